// The lines an MCU runs when it executes the program it holds: its memory run on the simulator
// in step with the unit's clock, for the trace reports.
#pragma once

#include <vector>

#include "app/sim/UnitSetup.h"
#include "app/sim/Wire.h"
#include "simulator/Simulator.h"

namespace sim {

class ExecutedTrace {
  public:
    // The program of memory starts at start, its timers set up as timers says.
    ExecutedTrace(const LineImage& memory, const model::PanelTables& timers, Time start);

    // Runs every step due by now. Returns the line each page ran last since the previous call,
    // in page order; a page that ran no line (frozen or stopped) is left out.
    std::vector<TracePoint> Advance(Time now);

  private:
    simulator::Simulator simulator_;
    Time start_;
};

}  // namespace sim
