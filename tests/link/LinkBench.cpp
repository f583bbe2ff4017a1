// The in-memory test bench of the link.
#include "tests/link/LinkBench.h"

namespace linktest {

sim::UnitSetup UnitOf(sim::UnitKind kind, int interfaceVersion) {
    sim::UnitSetup setup;
    setup.Kind = kind;
    setup.InterfaceVersion = interfaceVersion;
    setup.PowerUpDelay = std::chrono::milliseconds(5);
    return setup;
}

LinkBench::LinkBench(const sim::UnitSetup& setup)
    : unit(setup), port(unit, clock), pump(clock, port), link(port, clock, pump, seen) {
    clock.Set(1000);
    pump.Attach(link);
}

comm::LinkResult LinkBench::Connect(int commSpeed) {
    const comm::LinkResult opened = link.Connect("memory", commSpeed);
    if (!opened.Ok())
        return opened;
    return link.WaitForUnit(5000);
}

}  // namespace linktest
