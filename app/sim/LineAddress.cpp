// The unit's line addressing and the span of a full transfer.
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

const std::vector<LineAddress>& TransferSpan() {
    static const std::vector<LineAddress> span = [] {
        std::vector<LineAddress> lines;
        for (int page = 1; page <= 7; ++page) {
            const int last = page == 1 ? 249 : page == 7 ? 124 : 93;
            for (int offset = 0; offset <= last; ++offset)
                lines.push_back({page, offset});
        }
        return lines;
    }();
    return span;
}

}  // namespace sim
