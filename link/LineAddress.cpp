// Line addressing on the wire.
#include "link/LineAddress.h"

#include "model/PageGeometry.h"

namespace comm {

std::optional<int> RecordOfLine(int page, int offset) {
    if (page < 1 || page > kBiosPage || offset < 0)
        return std::nullopt;
    const int record = page == 1 ? offset : page * 100 + 100 + offset;
    if (record >= model::kRecordCount)
        return std::nullopt;
    return record;
}

const std::vector<WireLine>& TransferSpan() {
    static const std::vector<WireLine> span = [] {
        std::vector<WireLine> lines;
        for (int page = 1; page <= kBiosPage; ++page) {
            const int last = page == 1 ? 249 : page == kBiosPage ? 124 : 93;
            for (int offset = 0; offset <= last; ++offset)
                lines.push_back({page, offset, *RecordOfLine(page, offset)});
        }
        return lines;
    }();
    return span;
}

}  // namespace comm
