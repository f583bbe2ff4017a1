// The speed set-up of a unit with the newer interface, right after its identification: a pause,
// the speed request until it is echoed, a pause, the new line speed, then the high-speed test,
// a read whose reply must come at the new speed. It runs as steps driven by the unit's bytes
// and the ticks of tmrComm, so nothing waits.
#pragma once

#include <cstdint>

#include "link/Frames.h"
#include "link/LinkState.h"
#include "link/ReceiveHost.h"

namespace comm {

enum class SetUpResult { Running, Connected, Failed };

class SpeedSetUp {
  public:
    // Intervals of tmrComm.
    static constexpr Millis kPause = 100;     // before and after the speed request
    static constexpr Millis kEchoWait = 500;  // for the speed request's echo
    static constexpr Millis kTestWait = 100;  // for the high-speed test reply
    // Wrong echoes of the speed request or the high-speed test taken before giving up.
    static constexpr int kTries = 10;

    // Requests go out through host and their replies come in through state's buffer; the
    // line speed asked for is state.CommSpeed.
    SpeedSetUp(ReceiveHost& host, LinkState& state) : host_(host), state_(state) {}

    // Starts the set-up of unit: the CIM is tested on its module memory, the others on
    // register 100.
    void Start(Unit unit);
    // tmrComm ticked.
    SetUpResult Tick();
    // byte has just been put into the receive buffer. Connected when the test reply is in (the
    // caller clears the buffer), Failed when the unit kept answering wrongly.
    SetUpResult Reply(uint8_t byte);

  private:
    enum class Step { PauseBefore, AwaitEcho, PauseAfter, AwaitTest };

    void SendRequest(const Request& request, Millis wait);
    void SendSpeedRequest();
    void SendTest();

    ReceiveHost& host_;
    LinkState& state_;
    Unit unit_ = Unit::Mcu;
    Step step_ = Step::PauseBefore;
    int tries_ = 0;
};

}  // namespace comm
