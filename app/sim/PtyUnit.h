// Puts an emulated unit on a pseudo-terminal: the PC opens the device as its serial port,
// the unit powers up when the port is opened and down when it is closed.
#pragma once

#include <chrono>
#include <deque>
#include <mutex>
#include <string>

#include "app/sim/UnitEmulator.h"

namespace sim {

class PtyUnit {
  public:
    // pace: bytes take the time they take on a real line at the unit's speed, both ways.
    PtyUnit(UnitEmulator& unit, bool pace);
    ~PtyUnit();
    PtyUnit(const PtyUnit&) = delete;
    PtyUnit& operator=(const PtyUnit&) = delete;

    // Makes the pseudo-terminal, raw (no echo, no line editing). Returns an error text, or
    // an empty one on success.
    std::string Open();
    // The device the PC opens.
    const std::string& DevicePath() const { return device_; }

    // Serves the line until Stop(), until stopFd (when not -1) becomes readable, or until the
    // unit drops the line, which closes the pseudo-terminal.
    void Run(int stopFd = -1);
    // Makes Run return; safe from another thread and from a signal handler.
    void Stop();

    // Runs fn on the unit while Run is not using it; fn(const UnitEmulator&) or fn(UnitEmulator&).
    template <typename Fn>
    auto Inspect(Fn fn) {
        std::lock_guard<std::mutex> lock(mutex_);
        return fn(unit_);
    }

  private:
    struct TimedByte {
        uint8_t Value;
        Time Due;
    };

    bool Serve(Time now);
    void CheckLine(Time now);
    void SetConnected(bool connected, Time now);
    void ReadInput(Time now);
    void WriteOutput(Time now);
    Time Schedule(Time& last, Time now, int baud) const;
    std::chrono::nanoseconds WaitTime(Time now) const;
    void CloseMaster();

    UnitEmulator& unit_;
    const bool pace_;
    std::mutex mutex_;
    int master_ = -1;
    int wake_[2] = {-1, -1};
    int watch_ = -1;  // inotify: the PC opening and closing the device
    int opens_ = 0;   // the PC's open descriptors of the device
    std::string device_;
    bool connected_ = false;
    bool blocked_ = false;  // the PC's side holds all it can take
    std::deque<TimedByte> in_;
    std::deque<TimedByte> out_;
    Time lastIn_{};
    Time lastOut_{};
};

}  // namespace sim
