// One hour of simulated time of a full program: all six pages running a line every 10 ms step,
// through every function family, with inputs changing every second.
#include <benchmark/benchmark.h>

#include "model/HardwareConfig.h"
#include "simulator/Simulator.h"
#include "tests/support/ProgramFactory.h"

namespace {

constexpr long kHour = 360000;  // steps

// The full program with both modules, timer 3 (its Start lines) at 1 s and every Wait at
// 0.25 s, so that the pages go round rather than wait.
model::Program BusyProgram() {
    model::Program program = testsupport::FullProgram();
    program.SetRegisterByte(model::kTimerModuleRegister, 0, model::kModuleInstalled);
    program.SetRegisterByte(model::kCounterModuleRegister, 0, model::kModuleInstalled);
    program.Tmr.Data[2].Words[1] = 1;
    for (model::PgmRecord& record : program.PgmData) {
        if (record.F() == 9)
            record.Code = {9, 0, 0, 25};
    }
    return program;
}

void RunAFullProgramForAnHour(benchmark::State& state) {
    const model::Program program = BusyProgram();
    std::size_t events = 0;
    int running = 0;
    for (auto _ : state) {
        simulator::Simulator sim(program);
        for (long step = 0; step < kHour; ++step) {
            if (step % 100 == 0) {
                for (int input = 1; input <= 3; ++input)
                    sim.SetInput(input, step / 100 % 2 == 1);
            }
            sim.Step();
            if (step % 6000 == 0)
                events += sim.TakeEvents().size();
        }
        running = 0;
        for (int page = 1; page <= model::kPageCount; ++page)
            running += sim.PageState(page) == simulator::PageRun::Running ? 1 : 0;
    }
    state.counters["pages running"] = running;
    state.counters["events"] =
        benchmark::Counter(static_cast<double>(events), benchmark::Counter::kAvgIterations);
}
BENCHMARK(RunAFullProgramForAnHour)->Unit(benchmark::kMillisecond);

}  // namespace
