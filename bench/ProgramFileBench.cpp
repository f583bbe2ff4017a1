// Opening, checking and exporting a full program: 200 lines on page A, 75 on B..F, each with a
// 240-character comment.
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

// The full program saved once into a temporary file for the whole run.
class FullProgramFile {
  public:
    FullProgramFile() {
        char pattern[] = "/tmp/zolt-bench-XXXXXX";
        const int fd = mkstemp(pattern);
        close(fd);
        path_ = pattern;
        model::Program program = testsupport::FullProgram();
        files::SaveProgram(program, path_);
    }
    ~FullProgramFile() { std::remove(path_.c_str()); }
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

const FullProgramFile& File() {
    static const FullProgramFile file;
    return file;
}

void CheckEveryPage(const model::Program& program) {
    for (int page = 0; page < model::kPageCount; ++page) {
        benchmark::DoNotOptimize(model::ListPage(program, page));
    }
}

void BM_LoadCheckExport(benchmark::State& state) {
    model::Program program;
    for (auto _ : state) {
        if (!files::LoadProgram(program, File().Path()).Complete) {
            state.SkipWithError("the program file did not read back");
            break;
        }
        CheckEveryPage(program);
        benchmark::DoNotOptimize(files::ExportText(program));
    }
}
BENCHMARK(BM_LoadCheckExport)->Unit(benchmark::kMicrosecond);

void BM_Load(benchmark::State& state) {
    model::Program program;
    for (auto _ : state)
        benchmark::DoNotOptimize(files::LoadProgram(program, File().Path()));
}
BENCHMARK(BM_Load)->Unit(benchmark::kMicrosecond);

void BM_CheckEveryPage(benchmark::State& state) {
    const model::Program program = testsupport::FullProgram();
    for (auto _ : state)
        CheckEveryPage(program);
}
BENCHMARK(BM_CheckEveryPage)->Unit(benchmark::kMicrosecond);

void BM_Export(benchmark::State& state) {
    const model::Program program = testsupport::FullProgram();
    for (auto _ : state)
        benchmark::DoNotOptimize(files::ExportText(program));
}
BENCHMARK(BM_Export)->Unit(benchmark::kMicrosecond);

void BM_Save(benchmark::State& state) {
    model::Program program = testsupport::FullProgram();
    for (auto _ : state)
        benchmark::DoNotOptimize(files::ProgramFileText(program));
}
BENCHMARK(BM_Save)->Unit(benchmark::kMicrosecond);

}  // namespace
