// The events of a run as they happen, stamped with the step they happen in.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "simulator/RunTypes.h"

namespace simulator {

class EventLog {
  public:
    void SetTime(long centis) { now_ = centis; }
    long Now() const { return now_; }

    void Add(Event::Kind kind, int n, int value, std::string text = {}) {
        events_.push_back({now_, kind, n, value, std::move(text)});
    }
    std::vector<Event> Take() { return std::exchange(events_, {}); }

    // Line events are wanted.
    bool Tracing = false;

  private:
    long now_ = 0;
    std::vector<Event> events_;
};

}  // namespace simulator
