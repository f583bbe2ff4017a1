// A link session talking to an emulated unit over an in-memory line, on a fake clock.
#pragma once

#include "app/sim/UnitEmulator.h"
#include "link/LinkSession.h"
#include "tests/link/FakeClock.h"
#include "tests/link/MemoryPort.h"
#include "tests/link/RecordingObserver.h"
#include "tests/link/TestPump.h"

namespace linktest {

// A unit of this kind that identifies itself 5 ms after the port opens.
sim::UnitSetup UnitOf(sim::UnitKind kind, int interfaceVersion = 1);

struct LinkBench {
    explicit LinkBench(const sim::UnitSetup& setup);

    // Connects at commSpeed and waits (at most 5 s of test time) for the identification.
    comm::LinkResult Connect(int commSpeed = 0);

    FakeClock clock;
    sim::UnitEmulator unit;
    MemoryPort port;
    TestPump pump;
    RecordingObserver seen;
    comm::LinkSession link;
};

}  // namespace linktest
