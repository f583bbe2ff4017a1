// A clock that moves only when a test moves it.
#pragma once

#include "link/Clock.h"

namespace linktest {

class FakeClock : public comm::Clock {
  public:
    comm::Millis Now() const override { return now_; }
    void Set(comm::Millis now) { now_ = now; }

  private:
    comm::Millis now_ = 0;
};

}  // namespace linktest
