// Trace reports of a running MCU.
#include "app/sim/TraceSource.h"

#include <algorithm>

namespace sim {

namespace {

constexpr int kEndPageCode = 12;
constexpr int kPageALast = 199;
// Units with the newer interface add this to the page byte so it can come in either place.
constexpr int kPageMark = 210;

}  // namespace

TraceSource::TraceSource(const UnitSetup& setup) : setup_(setup) {}

TracePoint TraceSource::NextPoint(const LineImage& memory) {
    if (!setup_.Trace.empty()) {
        const TracePoint point = setup_.Trace[scriptIndex_];
        scriptIndex_ = (scriptIndex_ + 1) % setup_.Trace.size();
        return point;
    }
    const TracePoint point{1, walkOffset_};
    if (++walkCount_ >= std::max(1, setup_.TraceRepeat)) {
        walkCount_ = 0;
        const bool endOfPage = memory[walkOffset_][0] == kEndPageCode;
        walkOffset_ = endOfPage || walkOffset_ >= kPageALast ? 0 : walkOffset_ + 1;
    }
    return point;
}

std::array<uint8_t, 2> TraceSource::Next(const LineImage& memory) {
    const TracePoint point = NextPoint(memory);
    const auto offset = static_cast<uint8_t>(point.Offset);
    if (setup_.InterfaceVersion <= 1)
        return {static_cast<uint8_t>(point.Page), offset};
    const auto page = static_cast<uint8_t>(point.Page + kPageMark);
    bool lineFirst = setup_.Order == TraceOrder::LineFirst;
    if (setup_.Order == TraceOrder::Alternate) {
        lineFirst = lineFirst_;
        lineFirst_ = !lineFirst_;
    }
    return lineFirst ? std::array<uint8_t, 2>{offset, page} : std::array<uint8_t, 2>{page, offset};
}

}  // namespace sim
