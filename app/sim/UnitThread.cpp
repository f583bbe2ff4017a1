// Serving an emulated unit from a thread.
#include "app/sim/UnitThread.h"

namespace sim {

UnitThread::UnitThread(const UnitSetup& setup, bool pace) : unit_(setup), pty_(unit_, pace) {
    error_ = pty_.Open();
    if (error_.empty())
        thread_ = std::thread([this] { pty_.Run(); });
}

UnitThread::~UnitThread() {
    if (thread_.joinable()) {
        pty_.Stop();
        thread_.join();
    }
}

}  // namespace sim
