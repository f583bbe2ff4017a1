// The pseudo-terminal loop around an emulated unit.
#include "app/sim/PtyUnit.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/inotify.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace sim {

namespace {

using Clock = std::chrono::steady_clock;
// Longest sleep of the loop when nothing is due.
constexpr std::chrono::milliseconds kIdleWait{50};

std::string SystemError(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

// The line settings belong to the pseudo-terminal and stay when the PC opens it.
std::string MakeRaw(const std::string& device) {
    const int fd = open(device.c_str(), O_RDWR | O_NOCTTY);
    if (fd < 0)
        return SystemError("cannot open the pseudo-terminal");
    termios settings{};
    std::string error;
    if (tcgetattr(fd, &settings) != 0) {
        error = SystemError("cannot read the line settings");
    } else {
        cfmakeraw(&settings);
        cfsetispeed(&settings, B9600);
        cfsetospeed(&settings, B9600);
        if (tcsetattr(fd, TCSANOW, &settings) != 0)
            error = SystemError("cannot set the line raw");
    }
    close(fd);
    return error;
}

}  // namespace

PtyUnit::PtyUnit(UnitEmulator& unit, bool pace) : unit_(unit), pace_(pace) {}

PtyUnit::~PtyUnit() {
    CloseMaster();
    for (int fd : {wake_[0], wake_[1], watch_}) {
        if (fd >= 0)
            close(fd);
    }
}

std::string PtyUnit::Open() {
    if (pipe2(wake_, O_CLOEXEC | O_NONBLOCK) != 0)
        return SystemError("cannot make a pipe");
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0)
        return SystemError("cannot make a pseudo-terminal");
    if (grantpt(master_) != 0 || unlockpt(master_) != 0)
        return SystemError("cannot unlock the pseudo-terminal");
    const char* name = ptsname(master_);
    if (name == nullptr)
        return SystemError("cannot name the pseudo-terminal");
    device_ = name;
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    const std::string error = MakeRaw(device_);
    if (!error.empty())
        return error;
    // A pty tells its master that the other side was closed, but not that it was opened
    // again, and the PC may close and reopen it in a moment: the device's open and close
    // events tell each power cycle.
    watch_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (watch_ < 0 || inotify_add_watch(watch_, device_.c_str(), IN_OPEN | IN_CLOSE) < 0)
        return SystemError("cannot watch the pseudo-terminal");
    return "";
}

void PtyUnit::Stop() {
    const char byte = 1;
    // Nothing to do when the pipe is full: Run is already being woken.
    if (write(wake_[1], &byte, 1) < 0)
        return;
}

void PtyUnit::CloseMaster() {
    if (master_ >= 0)
        close(master_);
    master_ = -1;
}

Time PtyUnit::Schedule(Time& last, Time now, int baud) const {
    if (!pace_)
        return now;
    last = std::max(last, now) + ByteTime(baud);
    return last;
}

void PtyUnit::SetConnected(bool connected, Time now) {
    if (connected == connected_)
        return;
    connected_ = connected;
    in_.clear();
    out_.clear();
    blocked_ = false;
    if (connected)
        unit_.PowerUp(now);
    else
        unit_.PowerDown();
}

void PtyUnit::CheckLine(Time now) {
    alignas(inotify_event) char buffer[4096];
    ssize_t n;
    while ((n = read(watch_, buffer, sizeof buffer)) > 0) {
        for (const char* p = buffer; p < buffer + n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(p);
            if (event->mask & IN_OPEN)
                ++opens_;
            if ((event->mask & IN_CLOSE) && opens_ > 0)
                --opens_;
            // A close and a new open read in one go are still a power cycle.
            SetConnected(opens_ > 0, now);
            p += sizeof(inotify_event) + event->len;
        }
    }
    if (!connected_)
        return;
    // Should an event have been lost, the hang-up still says the PC is gone.
    pollfd fd{master_, POLLIN, 0};
    if (poll(&fd, 1, 0) > 0 && (fd.revents & POLLHUP)) {
        opens_ = 0;
        SetConnected(false, now);
    }
}

void PtyUnit::ReadInput(Time now) {
    uint8_t buffer[256];
    for (;;) {
        const ssize_t n = read(master_, buffer, sizeof buffer);
        if (n <= 0)
            return;
        for (ssize_t i = 0; i < n; ++i)
            in_.push_back({buffer[i], Schedule(lastIn_, now, unit_.Baud())});
    }
}

void PtyUnit::WriteOutput(Time now) {
    for (const WireByte& byte : unit_.TakeOutput())
        out_.push_back({byte.Value, Schedule(lastOut_, now, byte.Baud)});
    uint8_t buffer[256];
    std::size_t count = 0;
    while (count < out_.size() && count < sizeof buffer && out_[count].Due <= now) {
        buffer[count] = out_[count].Value;
        ++count;
    }
    if (count == 0)
        return;
    const ssize_t written = write(master_, buffer, count);
    blocked_ = written < static_cast<ssize_t>(count);
    if (written > 0)
        out_.erase(out_.begin(), out_.begin() + written);
}

// One round of the loop; false when the unit has dropped the line.
bool PtyUnit::Serve(Time now) {
    std::lock_guard<std::mutex> lock(mutex_);
    CheckLine(now);
    if (!connected_)
        return true;
    ReadInput(now);
    while (!in_.empty() && in_.front().Due <= now) {
        unit_.Receive(in_.front().Value, in_.front().Due);
        in_.pop_front();
    }
    unit_.Tick(now);
    WriteOutput(now);
    if (unit_.HangupWanted()) {
        CloseMaster();
        return false;
    }
    return true;
}

std::chrono::nanoseconds PtyUnit::WaitTime(Time now) const {
    Time wake = now + kIdleWait;
    if (!in_.empty())
        wake = std::min(wake, in_.front().Due);
    if (!out_.empty() && !blocked_)
        wake = std::min(wake, out_.front().Due);
    if (const std::optional<Time> unitWake = unit_.NextWake())
        wake = std::min(wake, *unitWake);
    return std::max(std::chrono::nanoseconds(0), wake - now);
}

void PtyUnit::Run(int stopFd) {
    for (;;) {
        if (!Serve(Clock::now()))
            return;
        std::chrono::nanoseconds wait;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            wait = WaitTime(Clock::now());
        }
        pollfd fds[4] = {
            {wake_[0], POLLIN, 0}, {stopFd, POLLIN, 0}, {watch_, POLLIN, 0}, {-1, POLLIN, 0}};
        // A closed port reports a hang-up at once and for good, so only an open one is
        // waited on.
        if (connected_) {
            fds[3].fd = master_;
            fds[3].events = static_cast<short>(POLLIN | (blocked_ ? POLLOUT : 0));
        }
        const timespec timeout{static_cast<time_t>(wait.count() / 1'000'000'000),
                               static_cast<long>(wait.count() % 1'000'000'000)};
        if (ppoll(fds, 4, &timeout, nullptr) < 0 && errno != EINTR)
            return;
        if ((fds[0].revents | fds[1].revents) & (POLLIN | POLLHUP))
            return;
    }
}

}  // namespace sim
