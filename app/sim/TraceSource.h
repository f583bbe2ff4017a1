// The trace reports an MCU in run mode sends: a script, or a walk through page A.
#pragma once

#include <array>
#include <cstdint>

#include "app/sim/UnitSetup.h"

namespace sim {

class TraceSource {
  public:
    explicit TraceSource(const UnitSetup& setup);

    // The two bytes of the next report, in the order the unit sends them. Walking page A
    // reports each line TraceRepeat times and starts over after an End Page line (or line 200).
    std::array<uint8_t, 2> Next(const LineImage& memory);

  private:
    TracePoint NextPoint(const LineImage& memory);

    const UnitSetup& setup_;
    std::size_t scriptIndex_ = 0;
    int walkOffset_ = 0;
    int walkCount_ = 0;
    bool lineFirst_ = false;  // order of the next report under TraceOrder::Alternate
};

}  // namespace sim
