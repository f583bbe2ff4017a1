// An emulated unit on its own pseudo-terminal, served by a thread: for tests and benchmarks
// that open the device as the PC does.
#pragma once

#include <memory>
#include <string>
#include <thread>

#include "app/sim/PtyUnit.h"
#include "app/sim/UnitEmulator.h"

namespace sim {

class UnitThread {
  public:
    // Opens the pseudo-terminal and starts serving it; Error() says why it could not.
    UnitThread(const UnitSetup& setup, bool pace);
    ~UnitThread();
    UnitThread(const UnitThread&) = delete;
    UnitThread& operator=(const UnitThread&) = delete;

    const std::string& Error() const { return error_; }
    const std::string& DevicePath() const { return pty_.DevicePath(); }

    // Runs fn on the unit while its thread is not using it.
    template <typename Fn>
    auto Inspect(Fn fn) {
        return pty_.Inspect(fn);
    }

  private:
    UnitEmulator unit_;
    PtyUnit pty_;
    std::string error_;
    std::thread thread_;
};

}  // namespace sim
