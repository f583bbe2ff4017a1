// The deadline timer's tick.
#include "link/DeadlineTimer.h"

namespace comm {

bool DeadlineTimer::Fire(Millis now) {
    if (!due_ || now < *due_)
        return false;
    due_.reset();
    return true;
}

}  // namespace comm
