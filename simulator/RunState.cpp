// The state of a simulated run at its start.
#include "simulator/RunState.h"

#include "model/Program.h"

namespace simulator {

RunState::RunState(const model::Program& program, const Options& options)
    : Settings(options),
      Lines(program),
      Io(program.IOType, Log),
      Timers(program.Tmr, Log),
      TimerPanel(program.Tmr),
      CounterPanel(program.Ctr) {
    if (options.LaterPagesStartFrozen) {
        for (int page = 1; page < model::kPageCount; ++page)
            Pages[page].Run = PageRun::Frozen;
    }
}

}  // namespace simulator
