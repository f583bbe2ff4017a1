// An MCU, Pocket Programmer or CIM as the PC sees it on the serial line: fed the PC's bytes
// and told the time, it answers as the unit does. It does no input or output itself.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <random>
#include <vector>

#include "app/sim/PpDriver.h"
#include "app/sim/TraceSource.h"
#include "app/sim/UnitSetup.h"
#include "app/sim/Wire.h"

namespace sim {

using Frame = std::array<uint8_t, 8>;

class UnitEmulator {
  public:
    explicit UnitEmulator(const UnitSetup& setup);
    UnitEmulator(const UnitEmulator&) = delete;
    UnitEmulator& operator=(const UnitEmulator&) = delete;

    // The PC opened the port: the unit powers up and identifies itself PowerUpDelay later.
    void PowerUp(Time now);
    // The PC closed the port: the unit loses power. Its memories are kept.
    void PowerDown();
    // A byte from the PC has arrived.
    void Receive(uint8_t byte, Time now);
    // Time has passed: identification, trace reports, Pocket Programmer messages.
    void Tick(Time now);
    // When Tick next has something to do, if ever.
    std::optional<Time> NextWake() const;
    // The bytes the unit has sent since the last call, in order.
    std::vector<WireByte> TakeOutput();

    // The speed the unit listens at now.
    int Baud() const { return baud_; }
    // The unit wants the line dropped (HangupAfter reached).
    bool HangupWanted() const { return hangup_; }

    const LineImage& Memory() const { return memory_; }
    LineImage& Memory() { return memory_; }
    // The CIM's module memory, addresses 0x0000..0xFFFF.
    const std::vector<uint8_t>& ModuleMemory() const { return module_; }
    std::vector<uint8_t>& ModuleMemory() { return module_; }

    // What the PC sent, for checking it.
    const std::vector<uint8_t>& IdentAnswers() const { return identAnswers_; }
    const std::vector<Frame>& Requests() const { return requests_; }
    bool Connected() const { return phase_ == Phase::Connected; }
    bool Running() const { return running_; }
    const PpDriver& Pp() const { return pp_; }

  private:
    enum class Phase { Off, PoweringUp, AwaitingAnswer, Connected, Silent };

    void SendIdentification();
    void HandleRequest(Frame frame, Time now);
    void Answer(const Frame& frame, uint8_t echo);
    void Carry(const Frame& frame, Time now);
    LineCode* LineAt(const Frame& frame);
    uint8_t& ModuleByte(const Frame& frame, int i);
    bool Garbled();
    void Send(uint8_t byte);
    // A slow unit holds back what it sent since out_ held answeredFrom bytes.
    void HoldBack(std::size_t answeredFrom, Time now);
    bool Supports(uint8_t command) const;

    const UnitSetup setup_;
    Phase phase_ = Phase::Off;
    Time identAt_{};
    int identStep_ = 0;  // messages sent since power-up
    std::vector<WireByte> out_;
    struct LateByte {
        WireByte Byte;
        Time Due;
    };
    std::deque<LateByte> late_;  // replies a slow unit has not sent yet
    int baud_ = kLowBaud;

    Frame frame_{};
    std::size_t frameCount_ = 0;
    Time lastByte_{};
    int answered_ = 0;
    bool hangup_ = false;
    std::mt19937 rng_;

    LineImage memory_;
    std::vector<uint8_t> module_;

    bool running_ = false;
    Time nextTrace_{};
    TraceSource trace_;
    PpDriver pp_;

    std::vector<uint8_t> identAnswers_;
    std::vector<Frame> requests_;
};

}  // namespace sim
