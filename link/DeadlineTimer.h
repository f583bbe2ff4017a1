// A one-shot window timer as a deadline: started with an interval, due when the clock passes it.
#pragma once

#include <optional>

#include "link/Clock.h"

namespace comm {

class DeadlineTimer {
  public:
    void Start(Millis now, Millis interval) { due_ = now + interval; }
    void Stop() { due_.reset(); }
    bool Running() const { return due_.has_value(); }
    std::optional<Millis> Due() const { return due_; }
    // Stops the timer and returns true when it is due at now: that is its tick.
    bool Fire(Millis now);

  private:
    std::optional<Millis> due_;
};

}  // namespace comm
