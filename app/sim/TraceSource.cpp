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

void TraceSource::Start(const LineImage& memory, Time now) {
    if (setup_.Execute)
        executed_.emplace(memory, setup_.TimerSettings, now);
}

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

std::vector<uint8_t> TraceSource::Next(const LineImage& memory, Time now) {
    std::vector<uint8_t> bytes;
    if (executed_) {
        for (const TracePoint& point : executed_->Advance(now))
            Encode(point, bytes);
    } else {
        Encode(NextPoint(memory), bytes);
    }
    return bytes;
}

void TraceSource::Encode(const TracePoint& point, std::vector<uint8_t>& bytes) {
    const auto offset = static_cast<uint8_t>(point.Offset);
    if (setup_.InterfaceVersion <= 1) {
        bytes.insert(bytes.end(), {static_cast<uint8_t>(point.Page), offset});
        return;
    }
    const auto page = static_cast<uint8_t>(point.Page + kPageMark);
    bool lineFirst = setup_.Order == TraceOrder::LineFirst;
    if (setup_.Order == TraceOrder::Alternate) {
        lineFirst = lineFirst_;
        lineFirst_ = !lineFirst_;
    }
    if (lineFirst)
        bytes.insert(bytes.end(), {offset, page});
    else
        bytes.insert(bytes.end(), {page, offset});
}

}  // namespace sim
