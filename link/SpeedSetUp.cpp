// The steps of the speed set-up.
#include "link/SpeedSetUp.h"

namespace comm {

namespace {

constexpr int kHighBaud = 19200;

}  // namespace

void SpeedSetUp::Start(Unit unit) {
    unit_ = unit;
    step_ = Step::PauseBefore;
    tries_ = 0;
    host_.StartCommTimer(kPause);
}

void SpeedSetUp::SendRequest(const Request& request, Millis wait) {
    for (uint8_t byte : state_.Expect(request))
        host_.SendByte(byte);
    host_.StartCommTimer(wait);
}

void SpeedSetUp::SendSpeedRequest() {
    SendRequest({kSpeed, static_cast<uint8_t>(state_.CommSpeed), 0, 0, 0, 0, 0}, kEchoWait);
}

void SpeedSetUp::SendTest() {
    if (unit_ == Unit::Cim)
        SendRequest({kReadMemory, 15, 0, 0, 0, 0, 0}, kTestWait);  // module memory at 0x0F00
    else
        SendRequest({kReadLine, 7, 99, 0, 0, 0, 0}, kTestWait);  // register 100
}

SetUpResult SpeedSetUp::Tick() {
    switch (step_) {
        case Step::PauseBefore:
            if (state_.CommSpeed < 0 || state_.CommSpeed > 1)
                state_.CommSpeed = 0;
            step_ = Step::AwaitEcho;
            SendSpeedRequest();
            return SetUpResult::Running;
        case Step::PauseAfter:
            if (state_.CommSpeed == 1)
                host_.SetLineSpeed(kHighBaud);
            step_ = Step::AwaitTest;
            tries_ = 0;
            SendTest();
            return SetUpResult::Running;
        case Step::AwaitEcho:  // the speed request was never echoed
        case Step::AwaitTest:  // the test reply did not come in time
            break;
    }
    return SetUpResult::Failed;
}

SetUpResult SpeedSetUp::Reply(uint8_t byte) {
    switch (step_) {
        case Step::PauseBefore:
        case Step::PauseAfter:
            // Nothing is due from the unit now; the next request collects its reply afresh.
            return SetUpResult::Running;
        case Step::AwaitEcho:
            if (byte == state_.MsgSum) {
                step_ = Step::PauseAfter;
                state_.Clear();
                host_.StartCommTimer(kPause);
            } else if (++tries_ >= kTries) {
                return SetUpResult::Failed;
            } else {
                SendSpeedRequest();
            }
            return SetUpResult::Running;
        case Step::AwaitTest:
            break;
    }
    if (state_.RxCount == 1 && byte != state_.MsgSum) {
        if (++tries_ >= kTries)
            return SetUpResult::Failed;
        host_.StopCommTimer();
        SendTest();
        return SetUpResult::Running;
    }
    if (state_.RxCount < 6)
        return SetUpResult::Running;
    // The reply is in, its echo right: a wrong one would have sent the test again.
    host_.StopCommTimer();
    return SetUpResult::Connected;
}

}  // namespace comm
