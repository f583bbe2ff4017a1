// Waits on the fake clock.
#include "tests/link/TestPump.h"

#include <algorithm>

namespace linktest {

comm::WaitResult TestPump::PumpUntil(const std::function<bool()>& done, comm::Millis timeoutMs) {
    if (done())
        return comm::WaitResult::Done;
    const comm::Millis deadline = clock_.Now() + timeoutMs;
    for (;;) {
        if (cancelled_)
            return comm::WaitResult::Cancelled;
        link_->Service();
        if (done())
            return comm::WaitResult::Done;
        if (cancelled_)
            return comm::WaitResult::Cancelled;
        const comm::Millis now = clock_.Now();
        if (now >= deadline)
            return comm::WaitResult::TimedOut;
        comm::Millis next = deadline;
        if (const auto due = link_->NextTimerDue())
            next = std::min(next, *due);
        if (const auto wake = port_.NextWake())
            next = std::min(next, *wake);
        clock_.Set(std::max(next, now + 1));
    }
}

void TestPump::Idle(comm::Millis ms) {
    PumpUntil([] { return false; }, ms);
}

}  // namespace linktest
