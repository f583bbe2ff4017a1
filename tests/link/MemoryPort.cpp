// The in-process line to an emulated unit.
#include "tests/link/MemoryPort.h"

namespace linktest {

namespace {

// The unit's clock starts an hour after its epoch, so that nothing it computes goes negative.
const sim::Time kUnitStart = sim::Time{} + std::chrono::hours(1);

}  // namespace

sim::Time MemoryPort::UnitTime() const {
    return kUnitStart + std::chrono::milliseconds(clock_.Now());
}

bool MemoryPort::Open(const std::string&, std::string& error) {
    if (!OpenError.empty()) {
        error = OpenError;
        return false;
    }
    open_ = true;
    failed_ = false;
    baud_ = 9600;
    unit_.PowerUp(UnitTime());
    return true;
}

void MemoryPort::Close() {
    open_ = false;
    pending_.clear();
    unit_.PowerDown();
}

bool MemoryPort::Configure(const comm::LineSettings& settings) {
    baud_ = settings.Baud;
    return true;
}

void MemoryPort::CheckHangup() {
    if (unit_.HangupWanted())
        failed_ = true;
}

bool MemoryPort::Write(uint8_t byte) {
    if (!open_ || failed_)
        return false;
    written_.push_back(byte);
    if (unit_.Baud() == baud_)
        unit_.Receive(byte, UnitTime());
    else
        ++lost_;
    // The unit's answer is on the line now, before anything else happens.
    std::vector<sim::WireByte> answer = unit_.TakeOutput();
    if (OnAnswer)
        OnAnswer(answer);
    pending_.insert(pending_.end(), answer.begin(), answer.end());
    if (AfterWrite)
        AfterWrite(unit_);
    CheckHangup();
    return true;
}

void MemoryPort::TakeReceived(std::vector<uint8_t>& bytes) {
    if (!open_ || failed_)
        return;
    unit_.Tick(UnitTime());
    for (const sim::WireByte& sent : unit_.TakeOutput())
        pending_.push_back(sent);
    for (const sim::WireByte& byte : pending_) {
        if (byte.Baud == baud_)
            bytes.push_back(byte.Value);
        else
            ++lost_;
    }
    pending_.clear();
    CheckHangup();
}

std::optional<comm::Millis> MemoryPort::NextWake() const {
    if (!open_)
        return std::nullopt;
    if (!pending_.empty())
        return clock_.Now();
    const std::optional<sim::Time> wake = unit_.NextWake();
    if (!wake)
        return std::nullopt;
    return std::chrono::duration_cast<std::chrono::milliseconds>(*wake - kUnitStart).count() + 1;
}

}  // namespace linktest
