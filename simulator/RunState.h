// Everything a running program changes, and what it reads besides its lines: the pages, the
// inputs and outputs, the timers, counters and panels, the options and the events.
#pragma once

#include <array>

#include "model/PageGeometry.h"
#include "simulator/EventLog.h"
#include "simulator/IoBank.h"
#include "simulator/LineTable.h"
#include "simulator/PageState.h"
#include "simulator/PanelDisplay.h"
#include "simulator/TimerBank.h"

namespace model {
class Program;
}

namespace simulator {

struct RunState {
    // program (with its I/O kinds up to date) must outlive the state.
    RunState(const model::Program& program, const Options& options);

    const Options Settings;
    EventLog Log;
    LineTable Lines;
    std::array<PageState, model::kPageCount> Pages;
    IoBank Io;
    TimerBank Timers;
    std::array<int, model::kEntryCount> Counts{};
    PanelDisplay TimerPanel;
    PanelDisplay CounterPanel;
};

}  // namespace simulator
