// The unit's line addressing.
#include "app/sim/LineAddress.h"

namespace sim {

int RecordOfLine(int page, int offset) {
    if (offset < 0)
        return -1;
    if (page == 1)
        return offset < 300 ? offset : -1;
    if (page >= 2 && page <= 6)
        return offset < 100 ? page * 100 + 100 + offset : -1;
    if (page == 7)
        return offset <= 150 ? 800 + offset : -1;
    return -1;
}

}  // namespace sim
