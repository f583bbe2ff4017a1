// A link session talking to an emulated unit over an in-memory line, on a clock that moves only
// when a wait moves it: straight to the next thing due (a link timer, the unit's next move, the
// end of the wait), so that nothing real passes.
#pragma once

#include "app/sim/UnitEmulator.h"
#include "link/LinkSession.h"
#include "tests/link/MemoryPort.h"
#include "tests/link/RecordingObserver.h"

namespace linktest {

// A unit of this kind that identifies itself 5 ms after the port opens.
sim::UnitSetup UnitOf(sim::UnitKind kind, int interfaceVersion = 1);

class LinkBench : public comm::Clock, public comm::EventPump {
  public:
    explicit LinkBench(const sim::UnitSetup& setup)
        : unit(setup), port(unit, *this), link(port, *this, *this, seen) {}

    // Connects at commSpeed and waits (at most 5 s of test time) for the identification.
    comm::LinkResult Connect(int commSpeed = 0);
    // Runs the link for ms of test time, as a window's event loop does between commands.
    void Idle(comm::Millis ms) {
        PumpUntil([] { return false; }, ms);
    }

    comm::Millis Now() const override { return now_; }
    comm::WaitResult PumpUntil(const std::function<bool()>& done, comm::Millis timeoutMs) override;
    void Cancel() override { cancelled_ = true; }
    void ClearCancel() override { cancelled_ = false; }

    sim::UnitEmulator unit;
    MemoryPort port;
    RecordingObserver seen;
    comm::LinkSession link;

  private:
    comm::Millis now_ = 1000;
    bool cancelled_ = false;
};

}  // namespace linktest
