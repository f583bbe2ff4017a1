// The undo history's cost on a full program (every line with a 240-character comment): the time
// of a step, and the heap that 100 steps hold, reported as the counter "bytes".
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <memory>

#include "editor/UndoHistory.h"
#include "model/Program.h"
#include "tests/support/ProgramFactory.h"

namespace {

// Small blocks and the large ones the allocator maps on their own.
std::size_t HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

void HundredStepsOfAFullProgram(benchmark::State& state) {
    model::Program program = testsupport::FullProgram();
    double bytes = 0;
    for (auto _ : state) {
        const std::size_t heapBefore = HeapInUse();
        auto history = std::make_unique<editor::UndoHistory>();
        history->Reset(true);
        for (int step = 0; step < 100; ++step) {
            const model::Program before = program;
            program.PgmData[step].Code[1] ^= 1;
            history->Record("Change Line", before, program);
        }
        bytes = static_cast<double>(HeapInUse() - heapBefore);
        benchmark::DoNotOptimize(history);
    }
    state.counters["bytes"] = bytes;
}
BENCHMARK(HundredStepsOfAFullProgram)->Unit(benchmark::kMillisecond);

}  // namespace
