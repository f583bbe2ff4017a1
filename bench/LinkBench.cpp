// A full program send and read over a pseudo-terminal to the unit emulator: with replies at
// once (the PC's own cost), and paced at 19200 baud (against the wire time).
#include <sys/prctl.h>

#include <benchmark/benchmark.h>

#include "app/sim/SimFiles.h"
#include "app/sim/UnitThread.h"
#include "link/LineAddress.h"
#include "link/LinkSession.h"
#include "link/PollPump.h"
#include "link/PosixSerialPort.h"
#include "model/ProgramChecksum.h"
#include "tests/support/ProgramFactory.h"

namespace {

// The emulator paces each byte by sleeping until it is due, and the kernel lets such a sleep
// end up to 50 µs late (its timer slack): two of them a line make the emulated wire 2 % slower
// than a real one, and that is not the PC's. A thread takes the slack of the thread that starts
// it, so the emulator's is set before it starts; the PC's waits end on its port, not on time.
struct PreciseTimers {
    PreciseTimers() { ::prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL); }
};

// One connection of the PC to an emulated MCU: the port, the pump and the session.
struct Connection {
    Connection(const sim::UnitSetup& setup, bool pace) : unit(setup, pace) {}

    PreciseTimers timers;
    sim::UnitThread unit;
    comm::PosixSerialPort port;
    comm::SteadyClock clock;
    comm::LinkObserver observer;
    comm::LinkSession session{port, clock, pump, observer};
    comm::PollPump pump{port, clock, session};
};

// Arguments: 1 for a read (else a send), 1 for a unit paced as the wire paces it. The program
// is the full one with its checksum stored, as an MCU with the newer interface holds it after a
// send. WireRatio is the time of a transfer over the time its bytes take on the wire at 19200
// baud (target for the paced send at most 1.05).
void BM_FullProgram(benchmark::State& state) {
    const bool reading = state.range(0) == 1;
    model::Program program = testsupport::FullProgram();
    model::StoreProgramChecksum(program);
    sim::UnitSetup setup;
    setup.InterfaceVersion = 2;
    setup.Memory = sim::ImageOfProgram(program);
    Connection link(setup, state.range(1) == 1);
    if (!link.unit.Error().empty() || !link.session.Connect(link.unit.DevicePath(), 1).Ok() ||
        !link.session.WaitForUnit(5000).Ok()) {
        state.SkipWithError("no unit on a pseudo-terminal");
        return;
    }
    for (auto _ : state) {
        if (!(reading ? link.session.ReadProgram(program) : link.session.SendProgram(program)).Ok())
            state.SkipWithError("the transfer failed");
    }
    // Each line: 8 bytes out, and the echo back (a write) or the echo and five data bytes (a
    // read); a send ends with the read of register 100. Each byte is ten bits on the wire.
    const double lines = static_cast<double>(comm::TransferSpan().size());
    const double bytes = reading ? lines * 14 : lines * 9 + 14;
    state.counters["WireRatio"] =
        benchmark::Counter(bytes * 10 / 19200, benchmark::Counter::kIsIterationInvariantRate |
                                                   benchmark::Counter::kInvert);
}
BENCHMARK(BM_FullProgram)->Args({0, 0})->Args({1, 0})->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FullProgram)
    ->Args({0, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

}  // namespace
