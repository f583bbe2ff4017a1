// The trace reports an MCU in run mode sends: a script, a walk through page A, or the lines the
// program it executes runs.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "app/sim/ExecutedTrace.h"
#include "app/sim/UnitSetup.h"

namespace sim {

class TraceSource {
  public:
    explicit TraceSource(const UnitSetup& setup);

    // The program in memory starts running at now.
    void Start(const LineImage& memory, Time now);

    // The bytes of the reports due at now, in the order the unit sends them. A script gives its
    // next report; walking page A reports each line TraceRepeat times and starts over after an
    // End Page line (or line 200); executing reports the line each page ran last.
    std::vector<uint8_t> Next(const LineImage& memory, Time now);

  private:
    TracePoint NextPoint(const LineImage& memory);
    void Encode(const TracePoint& point, std::vector<uint8_t>& bytes);

    const UnitSetup& setup_;
    std::optional<ExecutedTrace> executed_;
    std::size_t scriptIndex_ = 0;
    int walkOffset_ = 0;
    int walkCount_ = 0;
    bool lineFirst_ = false;  // order of the next report under TraceOrder::Alternate
};

}  // namespace sim
