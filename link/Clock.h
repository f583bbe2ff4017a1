// Milliseconds for the link's pauses and time-outs, from a clock the caller chooses.
#pragma once

#include <cstdint>

namespace comm {

using Millis = int64_t;

class Clock {
  public:
    virtual ~Clock() = default;
    // Monotonic milliseconds from an arbitrary origin.
    virtual Millis Now() const = 0;
};

// The machine's monotonic clock.
class SteadyClock : public Clock {
  public:
    Millis Now() const override;
};

}  // namespace comm
