// The machine's monotonic clock in milliseconds.
#include "link/Clock.h"

#include <chrono>

namespace comm {

Millis SteadyClock::Now() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace comm
