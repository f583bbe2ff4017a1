// The Pocket Programmer's transfer loop.
#include "app/sim/PpDriver.h"

#include "link/Frames.h"
#include "link/LineAddress.h"

namespace sim {

PpDriver::PpDriver(const UnitSetup& setup) : setup_(setup) {}

std::size_t PpDriver::TotalMessages() const {
    return setup_.Exchange == PpExchange::None ? 0 : comm::TransferSpan().size();
}

void PpDriver::Restart() {
    started_ = false;
    index_ = 0;
    tries_ = 0;
    awaiting_ = false;
    exchanged_ = 0;
    failed_ = 0;
}

void PpDriver::Hold(Time now) {
    if (!started_)
        startAt_ = now + setup_.PpStartDelay;
}

std::optional<Time> PpDriver::NextWake() const {
    if (Finished())
        return std::nullopt;
    if (!started_)
        return startAt_;
    return awaiting_ ? sentAt_ + setup_.PpReplyTimeout : nextAt_;
}

void PpDriver::SendCurrent(Time now, const LineImage& memory, std::vector<uint8_t>& out) {
    const comm::WireLine line = comm::TransferSpan()[index_];
    const bool sending = setup_.Exchange == PpExchange::Send;
    comm::Frame message = comm::MakePpMessage(
        sending ? comm::kPpHereIsLine : comm::kPpSendMeLine, static_cast<uint8_t>(line.Page),
        static_cast<uint8_t>(line.Offset), sending ? memory[line.Record] : LineCode{});
    // A message garbled on the way: its checksum no longer fits its bytes.
    if (static_cast<int>(index_) == setup_.PpCorruptMessage && tries_ == 0)
        message[7] = static_cast<uint8_t>(message[7] + 1);
    sentSum_ = message[7];
    out.insert(out.end(), message.begin(), message.end());
    answer_.clear();
    awaiting_ = true;
    sentAt_ = now;
}

void PpDriver::Advance(bool answeredRightly, Time now) {
    awaiting_ = false;
    if (!answeredRightly && tries_ < setup_.PpRetries) {
        ++tries_;
        nextAt_ = now;
        return;
    }
    ++(answeredRightly ? exchanged_ : failed_);
    tries_ = 0;
    ++index_;
    nextAt_ = now;
    if (static_cast<int>(index_) == setup_.PpPauseBefore)
        nextAt_ += setup_.PpPause;
}

void PpDriver::Tick(Time now, const LineImage& memory, std::vector<uint8_t>& out) {
    if (Finished())
        return;
    if (!started_) {
        if (now < startAt_)
            return;
        started_ = true;
        nextAt_ = now;
        if (setup_.PpPauseBefore == 0)
            nextAt_ += setup_.PpPause;
    }
    if (awaiting_ && now - sentAt_ >= setup_.PpReplyTimeout)
        Advance(false, now);
    if (!awaiting_ && !Finished() && now >= nextAt_)
        SendCurrent(now, memory, out);
}

void PpDriver::Answer(uint8_t byte, Time now, LineImage& memory, std::vector<uint8_t>& out) {
    if (!awaiting_)
        return;
    answer_.push_back(byte);
    const std::size_t length = setup_.Exchange == PpExchange::Send ? 1 : 5;
    if (answer_.size() < length)
        return;
    const bool right = answer_[0] == sentSum_;
    if (right && setup_.Exchange == PpExchange::Receive) {
        LineCode& code = memory[comm::TransferSpan()[index_].Record];
        std::copy(answer_.begin() + 1, answer_.end(), code.begin());
    }
    Advance(right, now);
    Tick(now, memory, out);
}

}  // namespace sim
