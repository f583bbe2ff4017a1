// The Pocket Programmer's side of a transfer: it sends one message per line and checks the
// PC's answer, sending its lines (command 1) or asking for the PC's (command 2).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "app/sim/UnitSetup.h"
#include "app/sim/Wire.h"

namespace sim {

class PpDriver {
  public:
    explicit PpDriver(const UnitSetup& setup);

    // Back to the start of the exchange, as after power-up.
    void Restart();
    // The PC spoke at now: the PP starts only after PpStartDelay of quiet.
    void Hold(Time now);
    // Sends the next message when it is due and handles a missing answer.
    void Tick(Time now, const LineImage& memory, std::vector<uint8_t>& out);
    // A byte of the PC's answer. An answer is right when its first byte is the checksum the
    // message carried; the four line bytes of a command-2 answer are then stored in memory.
    void Answer(uint8_t byte, Time now, LineImage& memory, std::vector<uint8_t>& out);

    bool AwaitingAnswer() const { return awaiting_; }
    bool Finished() const { return index_ >= TotalMessages(); }
    std::optional<Time> NextWake() const;

    int Exchanged() const { return exchanged_; }  // lines answered rightly
    int Failed() const { return failed_; }        // lines given up after the retries

  private:
    std::size_t TotalMessages() const;
    void SendCurrent(Time now, const LineImage& memory, std::vector<uint8_t>& out);
    void Advance(bool answeredRightly, Time now);

    const UnitSetup& setup_;
    bool started_ = false;
    Time startAt_{};
    std::size_t index_ = 0;
    int tries_ = 0;
    bool awaiting_ = false;
    Time sentAt_{};
    Time nextAt_{};
    uint8_t sentSum_ = 0;
    std::vector<uint8_t> answer_;
    int exchanged_ = 0;
    int failed_ = 0;
};

}  // namespace sim
