// The link's waits in a test: nothing real passes; the fake clock jumps straight to the next
// thing due (a link timer, the unit's next move, the end of the wait).
#pragma once

#include "link/EventPump.h"
#include "tests/link/FakeClock.h"
#include "tests/link/MemoryPort.h"

namespace linktest {

class TestPump : public comm::EventPump {
  public:
    TestPump(FakeClock& clock, MemoryPort& port) : clock_(clock), port_(port) {}
    void Attach(comm::Serviced& link) { link_ = &link; }

    comm::WaitResult PumpUntil(const std::function<bool()>& done, comm::Millis timeoutMs) override;
    void Cancel() override { cancelled_ = true; }
    void ClearCancel() override { cancelled_ = false; }

    // Runs the link for ms of test time.
    void Idle(comm::Millis ms);

  private:
    FakeClock& clock_;
    MemoryPort& port_;
    comm::Serviced* link_ = nullptr;
    bool cancelled_ = false;
};

}  // namespace linktest
