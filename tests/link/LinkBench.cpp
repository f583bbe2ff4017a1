// The in-memory test bench of the link.
#include "tests/link/LinkBench.h"

#include <algorithm>

namespace linktest {

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
        const comm::Millis next =
            std::min(link.NextTimerDue().value_or(deadline), port.NextWake().value_or(deadline));
        now_ = std::max(std::min(next, deadline), now_ + 1);
    }
}

}  // namespace linktest
