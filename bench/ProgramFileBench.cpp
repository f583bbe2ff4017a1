// Opening, checking, exporting and saving a full program: 200 lines on page A, 75 on B..F,
// each with a 240-character comment.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "files/ProgramFile.h"
#include "files/TextExport.h"
#include "model/PageListing.h"
#include "model/Program.h"
#include "tests/support/ProgramFactory.h"

namespace {

void BM_Load(benchmark::State& state) {
    model::Program program = testsupport::FullProgram();
    const std::string path = "/tmp/zolt-bench-" + std::to_string(getpid()) + ".zlp";
    if (!files::SaveProgram(program, path).empty())
        state.SkipWithError("cannot write the program file");
    for (auto _ : state)
        benchmark::DoNotOptimize(files::LoadProgram(program, path));
    std::remove(path.c_str());
}
BENCHMARK(BM_Load)->Unit(benchmark::kMicrosecond);

void BM_CheckEveryPage(benchmark::State& state) {
    const model::Program program = testsupport::FullProgram();
    for (auto _ : state) {
        for (int page = 0; page < model::kPageCount; ++page)
            benchmark::DoNotOptimize(model::ListPage(program, page));
    }
}
BENCHMARK(BM_CheckEveryPage)->Unit(benchmark::kMicrosecond);

void BM_Export(benchmark::State& state) {
    const model::Program program = testsupport::FullProgram();
    for (auto _ : state)
        benchmark::DoNotOptimize(files::ExportText(program));
}
BENCHMARK(BM_Export)->Unit(benchmark::kMicrosecond);

void BM_Save(benchmark::State& state) {
    const model::Program program = testsupport::FullProgram();
    for (auto _ : state)
        benchmark::DoNotOptimize(files::ProgramFileText(program));
}
BENCHMARK(BM_Save)->Unit(benchmark::kMicrosecond);

}  // namespace
