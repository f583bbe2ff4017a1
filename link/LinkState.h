// The link's own state: the state word and what each word means, and the receive buffer.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "link/Frames.h"

namespace comm {

// CommState: what is attached and what the link is doing.
enum class CommStateWord {
    None,  // nothing attached; the next byte starts an identification
    Data,  // collecting an identification message
    Mcu,
    Pp,
    Cim,
    McuX,  // identified with a newer interface: speed set-up under way
    PpX,
    CimX,
    Run,   // the MCU runs the program, trace on
    XRun,  // the MCU runs the program, trace off
    Err,   // the link failed; bytes are dropped until the next reset
};

// What a state word stands for.
struct StateMeaning {
    CommStateWord Word;
    std::optional<Unit> Identified;  // the unit, from its identification to the next reset
    bool SpeedSetUp;                 // its speed set-up and high-speed test are under way
    bool Running;                    // the MCU runs the program: nothing but a reset is allowed
    const char* ModeText;            // lblMode when identification or set-up reach the word
};

const StateMeaning& MeaningOf(CommStateWord word);
// The word of an identified unit: during its speed set-up ("MCUx") or after it ("MCU").
CommStateWord WordOf(Unit unit, bool speedSetUp);
// The unit whose transfers the link offers in word: the identified unit's, also during its
// speed set-up; none before identification, after a failure and while the program runs.
std::optional<Unit> TransferUnit(CommStateWord word);

constexpr std::size_t kRxBufSize = 11;

struct LinkState {
    CommStateWord CommState = CommStateWord::None;
    std::array<uint8_t, kRxBufSize> RxBuf{};
    std::size_t RxCount = 0;
    unsigned MsgSum = 0;  // running sum of a message, or the checksum of the last request
    int InterfaceVersion = 0;
    int CommSpeed = 0;               // 0 low (9600 baud), 1 high (19200 baud)
    bool DiscardZeros = true;        // received 0x00 bytes are dropped until a unit is identified
    std::array<int, 7> TraceLast{};  // last line offset reported per page 1..6

    // Forgets the message being collected: MsgSum = 0, RxCount = 0.
    void Clear();
    // A request is going out: its checksum becomes MsgSum, the echo to expect, and its reply is
    // collected from RxBuf[0] on. Returns the frame to write.
    Frame Expect(const Request& request);
};

}  // namespace comm
