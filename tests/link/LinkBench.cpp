// The in-memory test bench of the link.
#include "tests/link/LinkBench.h"

#include <algorithm>

namespace linktest {

namespace {

// The unit's clock starts an hour after its epoch, so that nothing it computes goes negative.
const sim::Time kUnitStart = sim::Time{} + std::chrono::hours(1);

comm::Millis BenchTime(sim::Time unitTime) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(unitTime - kUnitStart).count();
}

}  // namespace

sim::UnitSetup UnitOf(sim::UnitKind kind, int interfaceVersion) {
    sim::UnitSetup setup;
    setup.Kind = kind;
    setup.InterfaceVersion = interfaceVersion;
    setup.PowerUpDelay = std::chrono::milliseconds(5);
    return setup;
}

comm::LinkResult LinkBench::Connect(int commSpeed) {
    const comm::LinkResult opened = link.Connect("memory", commSpeed);
    return opened.Ok() ? link.WaitForUnit(5000) : opened;
}

comm::WaitResult LinkBench::PumpUntil(const std::function<bool()>& done, comm::Millis timeoutMs) {
    if (done())
        return comm::WaitResult::Done;
    const comm::Millis deadline = now_ + timeoutMs;
    for (;;) {
        if (cancelled_)
            return comm::WaitResult::Cancelled;
        link.Service();
        if (done())
            return comm::WaitResult::Done;
        if (now_ >= deadline)
            return comm::WaitResult::TimedOut;
        comm::Millis next = std::min(deadline, link.NextTimerDue().value_or(deadline));
        if (!pending_.empty())
            next = now_;
        else if (const auto wake = open_ ? unit.NextWake() : std::nullopt)
            next = std::min(next, BenchTime(*wake) + 1);
        now_ = std::max(next, now_ + 1);
    }
}

sim::Time LinkBench::UnitTime() const {
    return kUnitStart + std::chrono::milliseconds(now_);
}

bool LinkBench::Open(const std::string&, std::string& error) {
    error = OpenError;
    open_ = error.empty();
    failed_ = false;
    baud_ = 9600;
    if (open_)
        unit.PowerUp(UnitTime());
    return open_;
}

void LinkBench::Close() {
    open_ = false;
    pending_.clear();
    unit.PowerDown();
}

bool LinkBench::Configure(const comm::LineSettings& settings) {
    baud_ = settings.Baud;
    return true;
}

bool LinkBench::Write(uint8_t byte) {
    if (!open_ || failed_)
        return false;
    written_.push_back(byte);
    if (unit.Baud() == baud_)
        unit.Receive(byte, UnitTime());
    else
        ++lost_;
    // The unit's answer is on the line now, before anything else happens.
    std::vector<sim::WireByte> answer = unit.TakeOutput();
    if (OnAnswer)
        OnAnswer(answer);
    pending_.insert(pending_.end(), answer.begin(), answer.end());
    if (AfterWrite)
        AfterWrite(unit);
    failed_ = failed_ || unit.HangupWanted();
    return true;
}

void LinkBench::TakeReceived(std::vector<uint8_t>& bytes) {
    if (!open_ || failed_)
        return;
    unit.Tick(UnitTime());
    const std::vector<sim::WireByte> sent = unit.TakeOutput();
    pending_.insert(pending_.end(), sent.begin(), sent.end());
    for (const sim::WireByte& byte : std::exchange(pending_, {})) {
        if (byte.Baud == baud_)
            bytes.push_back(byte.Value);
        else
            ++lost_;
    }
    failed_ = failed_ || unit.HangupWanted();
}

}  // namespace linktest
