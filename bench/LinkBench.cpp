// A full program send and read over a pseudo-terminal to the unit emulator: with replies at
// once (the PC's own cost), and paced at 19200 baud (against the wire time).
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

#include "app/sim/SimFiles.h"
#include "app/sim/UnitThread.h"
#include "link/LineAddress.h"
#include "link/LinkSession.h"
#include "link/PollPump.h"
#include "link/PosixSerialPort.h"
#include "model/ProgramChecksum.h"
#include "tests/support/ProgramFactory.h"

namespace {

// Bytes on the line for one line request and its reply: 8 out, 1 echo back (a write) or an
// echo and five data bytes (a read).
constexpr int kWriteLineBytes = 8 + 1;
constexpr int kReadLineBytes = 8 + 6;
constexpr double kBitsPerByte = 10;  // start, eight data bits, stop

// One connection of the PC to an emulated MCU: the port, the pump and the session.
class Connection {
  public:
    Connection(const sim::UnitSetup& setup, bool pace)
        : unit_(setup, pace),
          session_(port_, clock_, pump_, observer_),
          pump_(port_, clock_, session_) {}

    bool Open(int commSpeed) {
        if (!unit_.Error().empty())
            return false;
        return session_.Connect(unit_.DevicePath(), commSpeed).Ok() &&
               session_.WaitForUnit(5000).Ok();
    }
    comm::LinkSession& Session() { return session_; }

  private:
    sim::UnitThread unit_;
    comm::PosixSerialPort port_;
    comm::SteadyClock clock_;
    comm::LinkObserver observer_;
    comm::LinkSession session_;
    comm::PollPump pump_;
};

// The full program with its checksum stored, as an MCU holds it after a send.
model::Program StoredProgram() {
    model::Program program = testsupport::FullProgram();
    model::StoreProgramChecksum(program);
    return program;
}

// Runs transfer once an iteration against an MCU with the newer interface at 19200 baud;
// paced, every byte takes its time on the line. Returns the mean seconds of a transfer.
template <typename Transfer>
double TimeTransfers(benchmark::State& state, bool pace, Transfer transfer) {
    sim::UnitSetup setup;
    setup.InterfaceVersion = 2;
    setup.Memory = sim::ImageOfProgram(StoredProgram());
    Connection link(setup, pace);
    if (!link.Open(1)) {
        state.SkipWithError("no unit on a pseudo-terminal");
        return 0;
    }
    model::Program program = StoredProgram();
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (!transfer(link.Session(), program).Ok())
            state.SkipWithError("the transfer failed");
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    return state.iterations() > 0 ? seconds / static_cast<double>(state.iterations()) : 0;
}

void BM_SendFullProgram(benchmark::State& state) {
    TimeTransfers(state, false,
                  [](comm::LinkSession& s, model::Program& p) { return s.SendProgram(p); });
}
BENCHMARK(BM_SendFullProgram)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ReadFullProgram(benchmark::State& state) {
    TimeTransfers(state, false,
                  [](comm::LinkSession& s, model::Program& p) { return s.ReadProgram(p); });
}
BENCHMARK(BM_ReadFullProgram)->Unit(benchmark::kMillisecond)->UseRealTime();

// WireRatio is the paced send's time over the time its bytes take on the wire (target at most
// 1.10): the lines, then register 100 read back for the checksum.
void BM_SendFullProgramAt19200Baud(benchmark::State& state) {
    const double lines = static_cast<double>(comm::TransferSpan().size());
    const double wireSeconds = (lines * kWriteLineBytes + kReadLineBytes) * kBitsPerByte / 19200.0;
    const double seconds = TimeTransfers(
        state, true, [](comm::LinkSession& s, model::Program& p) { return s.SendProgram(p); });
    state.counters["WireSeconds"] = wireSeconds;
    state.counters["WireRatio"] = seconds / wireSeconds;
}
BENCHMARK(BM_SendFullProgramAt19200Baud)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

}  // namespace
