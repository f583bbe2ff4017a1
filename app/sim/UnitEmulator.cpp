// The unit's answers to the PC: identification, requests, run mode and the PP's exchange.
#include "app/sim/UnitEmulator.h"

#include <algorithm>

#include "app/sim/LineAddress.h"
#include "link/Frames.h"
#include "link/LineAddress.h"

namespace sim {

namespace {

// A request's eight bytes come together; a piece older than this is noise from before.
constexpr Millis kFrameGap{100};
// An identification nobody answers is sent again after this.
constexpr Millis kIdentRepeat{1000};
constexpr std::size_t kRequestLogLimit = 100000;
constexpr uint8_t kStrayByte = 0x12;
constexpr int kVersionRecord = 899;  // register 100

using comm::kReadLine;
using comm::kReadMemory;
using comm::kRun;
using comm::kSpeed;
using comm::kWriteLine;
using comm::kWriteMemory;

comm::Unit LinkUnit(UnitKind kind) {
    switch (kind) {
        case UnitKind::Mcu:
            return comm::Unit::Mcu;
        case UnitKind::Cim:
            return comm::Unit::Cim;
        case UnitKind::Pp:
            break;
    }
    return comm::Unit::Pp;
}

}  // namespace

UnitEmulator::UnitEmulator(const UnitSetup& setup)
    : setup_(setup),
      rng_(setup.Seed),
      memory_(setup.Memory),
      module_(0x10000, 0),
      trace_(setup_),
      pp_(setup_) {
    if (setup_.Kind == UnitKind::Mcu) {
        memory_[kVersionRecord][1] = static_cast<uint8_t>(setup_.FirmwareMajor);
        memory_[kVersionRecord][2] = static_cast<uint8_t>(setup_.FirmwareMinor);
    }
}

void UnitEmulator::PowerUp(Time now) {
    phase_ = Phase::PoweringUp;
    identAt_ = now + setup_.PowerUpDelay;
    identStep_ = 0;
    baud_ = kLowBaud;
    frameCount_ = 0;
    running_ = false;
    out_.clear();
    late_.clear();
    pp_.Restart();
}

void UnitEmulator::PowerDown() {
    phase_ = Phase::Off;
    running_ = false;
    out_.clear();
    late_.clear();
}

void UnitEmulator::Send(uint8_t byte) {
    out_.push_back({byte, baud_});
}

std::vector<WireByte> UnitEmulator::TakeOutput() {
    std::vector<WireByte> out;
    out.swap(out_);
    return out;
}

void UnitEmulator::SendIdentification() {
    const bool faultFirst = identStep_ == 0 && setup_.Fault != IdentFault::None;
    if (faultFirst && setup_.Fault == IdentFault::Stray) {
        Send(kStrayByte);
        return;
    }
    std::array<uint8_t, 4> message = comm::IdentificationOf(
        LinkUnit(setup_.Kind), static_cast<uint8_t>(setup_.InterfaceVersion));
    if (faultFirst)
        message[3] = static_cast<uint8_t>(message[3] + 1);
    for (uint8_t byte : message)
        Send(byte);
}

void UnitEmulator::Tick(Time now) {
    for (; !late_.empty() && late_.front().Due <= now; late_.pop_front())
        out_.push_back(late_.front().Byte);
    if ((phase_ == Phase::PoweringUp || phase_ == Phase::AwaitingAnswer) && now >= identAt_) {
        SendIdentification();
        phase_ = Phase::AwaitingAnswer;
        identAt_ = now + kIdentRepeat;
    }
    if (frameCount_ > 0 && now - lastByte_ > kFrameGap)
        frameCount_ = 0;
    if (phase_ != Phase::Connected)
        return;
    if (running_ && now >= nextTrace_) {
        for (uint8_t byte : trace_.Next(memory_, now))
            Send(byte);
        nextTrace_ = now + setup_.TraceInterval;
    }
    if (setup_.Kind == UnitKind::Pp) {
        std::vector<uint8_t> bytes;
        pp_.Tick(now, memory_, bytes);
        for (uint8_t byte : bytes)
            Send(byte);
    }
}

std::optional<Time> UnitEmulator::NextWake() const {
    std::optional<Time> wake;
    const auto consider = [&wake](Time t) { wake = wake ? std::min(*wake, t) : t; };
    if (phase_ == Phase::PoweringUp || phase_ == Phase::AwaitingAnswer)
        consider(identAt_);
    if (frameCount_ > 0)
        consider(lastByte_ + kFrameGap);
    if (!late_.empty())
        consider(late_.front().Due);
    if (phase_ == Phase::Connected) {
        if (running_)
            consider(nextTrace_);
        if (setup_.Kind == UnitKind::Pp && pp_.NextWake())
            consider(*pp_.NextWake());
    }
    return wake;
}

void UnitEmulator::Receive(uint8_t byte, Time now) {
    if (phase_ == Phase::AwaitingAnswer) {
        identAnswers_.push_back(byte);
        if (identStep_ == 0 && setup_.Fault != IdentFault::None) {
            identStep_ = 1;
            SendIdentification();
            identAt_ = now + kIdentRepeat;
        } else {
            phase_ = Phase::Connected;
            pp_.Hold(now);
        }
        return;
    }
    if (phase_ != Phase::Connected || running_)
        return;
    pp_.Hold(now);
    if (pp_.AwaitingAnswer()) {
        std::vector<uint8_t> bytes;
        pp_.Answer(byte, now, memory_, bytes);
        for (uint8_t b : bytes)
            Send(b);
        return;
    }
    if (frameCount_ > 0 && now - lastByte_ > kFrameGap)
        frameCount_ = 0;
    lastByte_ = now;
    frame_[frameCount_++] = byte;
    if (frameCount_ == frame_.size()) {
        frameCount_ = 0;
        const std::size_t answeredFrom = out_.size();
        HandleRequest(frame_, now);
        HoldBack(answeredFrom, now);
    }
}

void UnitEmulator::HoldBack(std::size_t answeredFrom, Time now) {
    if (setup_.ReplyDelay.count() == 0)
        return;
    // The unit takes one request at a time: one that came while it was busy waits its turn.
    const Time start = late_.empty() ? now : std::max(now, late_.back().Due);
    for (std::size_t i = answeredFrom; i < out_.size(); ++i)
        late_.push_back({out_[i], start + setup_.ReplyDelay});
    out_.resize(answeredFrom);
}

bool UnitEmulator::Garbled() {
    return setup_.CorruptEchoPercent > 0 &&
           static_cast<int>(rng_() % 100) < setup_.CorruptEchoPercent;
}

bool UnitEmulator::Supports(uint8_t command) const {
    switch (command) {
        case kSpeed:
            return true;
        case kWriteLine:
        case kReadLine:
            return setup_.Kind != UnitKind::Cim;
        case kRun:
            return setup_.Kind == UnitKind::Mcu;
        case kWriteMemory:
        case kReadMemory:
            return setup_.Kind == UnitKind::Cim;
        default:
            return false;
    }
}

void UnitEmulator::HandleRequest(Frame frame, Time now) {
    if (requests_.size() < kRequestLogLimit)
        requests_.push_back(frame);
    if (setup_.HangupAfter >= 0 && answered_ >= setup_.HangupAfter) {
        hangup_ = true;
        phase_ = Phase::Silent;
        return;
    }
    if (setup_.StopAfter >= 0 && answered_ >= setup_.StopAfter) {
        phase_ = Phase::Silent;
        return;
    }
    ++answered_;
    // A request whose checksum does not fit is answered (its echo shows the PC the fault)
    // but not carried out.
    const bool intact = frame[7] == comm::Sum8(frame.data(), 7);
    // A garbled request is one the unit took in wrongly: it stores the wrong bytes and its
    // echo tells. A run request is never garbled, as a running unit hears no repeat.
    if (frame[0] != kRun && Garbled())
        frame[3 + rng_() % 4] ^= static_cast<uint8_t>(1 + rng_() % 255);
    const uint8_t echo = comm::Sum8(frame.data(), 7);
    if (!Supports(frame[0])) {
        Send(echo);
        return;
    }
    Answer(frame, echo);
    if (intact)
        Carry(frame, now);
}

LineCode* UnitEmulator::LineAt(const Frame& frame) {
    const int record = RecordOfLine(frame[1], frame[2]);
    return record < 0 ? nullptr : &memory_[record];
}

uint8_t& UnitEmulator::ModuleByte(const Frame& frame, int i) {
    return module_[(frame[1] * 256 + frame[2] + i) & 0xFFFF];
}

void UnitEmulator::Answer(const Frame& frame, uint8_t echo) {
    Send(echo);
    LineCode data{};
    if (frame[0] == kReadLine) {
        if (const LineCode* line = LineAt(frame))
            data = *line;
    } else if (frame[0] == kReadMemory) {
        for (int i = 0; i < 4; ++i)
            data[i] = ModuleByte(frame, i);
    } else {
        return;
    }
    for (uint8_t byte : data)
        Send(byte);
    Send(comm::Sum8(data.data(), data.size()));
}

void UnitEmulator::Carry(const Frame& frame, Time now) {
    switch (frame[0]) {
        case kSpeed:
            // The echo still goes at the old speed; the unit listens at the new one after it.
            baud_ = frame[1] == 1 ? kHighBaud : kLowBaud;
            break;
        case kWriteLine:
            if (LineCode* line = LineAt(frame)) {
                const bool versionKept =
                    setup_.Kind == UnitKind::Mcu && line == &memory_[kVersionRecord];
                for (int i = 0; i < 4; ++i) {
                    // The firmware's version bytes in register 100 cannot be written.
                    if (!(versionKept && (i == 1 || i == 2)))
                        (*line)[i] = frame[3 + i];
                }
            }
            break;
        case kWriteMemory:
            for (int i = 0; i < 4; ++i)
                ModuleByte(frame, i) = frame[3 + i];
            break;
        case kRun:
            running_ = true;
            trace_.Start(memory_, now);
            nextTrace_ = now + setup_.TraceInterval;
            break;
        default:
            break;
    }
}

}  // namespace sim
