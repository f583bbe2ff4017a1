// Waiting on the port descriptor and the link timers without spinning.
#include "link/PollPump.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace comm {

PollPump::PollPump(PosixSerialPort& port, const Clock& clock, Serviced& link)
    : port_(port), clock_(clock), link_(link) {
    if (::pipe2(wake_, O_NONBLOCK | O_CLOEXEC) != 0)
        wake_[0] = wake_[1] = -1;
}

PollPump::~PollPump() {
    for (int fd : wake_)
        if (fd >= 0)
            ::close(fd);
}

void PollPump::Cancel() {
    cancelled_.store(true);
    if (wake_[1] >= 0) {
        const char byte = 1;
        [[maybe_unused]] ssize_t n = ::write(wake_[1], &byte, 1);
    }
}

void PollPump::ClearCancel() {
    cancelled_.store(false);
    char drain[64];
    while (wake_[0] >= 0 && ::read(wake_[0], drain, sizeof drain) > 0) {
    }
}

WaitResult PollPump::PumpUntil(const std::function<bool()>& done, Millis timeoutMs) {
    const Millis deadline = clock_.Now() + std::max<Millis>(timeoutMs, 0);
    for (;;) {
        if (done())
            return WaitResult::Done;
        if (cancelled_.load())
            return WaitResult::Cancelled;
        if (port_.Failed())
            return WaitResult::PortFailed;
        const Millis now = clock_.Now();
        if (now >= deadline)
            return WaitResult::TimedOut;
        Millis until = deadline;
        if (const auto due = link_.NextTimerDue())
            until = std::min(until, *due);
        WaitForActivity(std::max<Millis>(until - now, 0));
        link_.Service();
    }
}

void PollPump::WaitForActivity(Millis waitMs) {
    pollfd fds[2] = {};
    fds[0].fd = port_.Fd();
    fds[0].events = static_cast<short>(POLLIN | (port_.HoldsOutput() ? POLLOUT : 0));
    fds[1].fd = wake_[0];
    fds[1].events = POLLIN;
    const int timeout = static_cast<int>(std::min<Millis>(waitMs, 60'000));
    if (::poll(fds, 2, timeout) > 0 && (fds[0].revents & POLLOUT))
        port_.Flush();
    // POLLHUP and POLLERR show up as a failed read in the next Service.
}

}  // namespace comm
