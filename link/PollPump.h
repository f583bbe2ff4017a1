// The link's waits in a program without a window: poll() on the port, the link timers and a
// wake-up pipe that Cancel writes to, so a Ctrl+C ends a transfer at once.
#pragma once

#include <atomic>

#include "link/EventPump.h"
#include "link/PosixSerialPort.h"

namespace comm {

class PollPump : public EventPump {
  public:
    PollPump(PosixSerialPort& port, const Clock& clock, Serviced& link);
    ~PollPump() override;
    PollPump(const PollPump&) = delete;
    PollPump& operator=(const PollPump&) = delete;

    WaitResult PumpUntil(const std::function<bool()>& done, Millis timeoutMs) override;
    // Safe from a signal handler and from another thread.
    void Cancel() override;
    void ClearCancel() override;

  private:
    void WaitForActivity(Millis waitMs);

    PosixSerialPort& port_;
    const Clock& clock_;
    Serviced& link_;
    std::atomic<bool> cancelled_{false};
    int wake_[2] = {-1, -1};
};

}  // namespace comm
