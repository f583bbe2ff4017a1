// The link's own state: the state and task words, the receive buffer and the sums.
#pragma once

#include <array>
#include <cstdint>
#include <string>

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

// CommTask: what the next tick of tmrComm is to do.
enum class CommTaskWord {
    None,
    TestCommHi,
    DataRead,
    DataSend,
    RunDisp,
    TimerSend,
    CounterSend,
    TimerRead,
    CounterRead,
};

// The words as the link has always shown them ("none", "MCUx", "dataread" ...).
const char* StateWord(CommStateWord state);
const char* TaskWord(CommTaskWord task);

constexpr std::size_t kRxBufSize = 11;

struct LinkState {
    CommStateWord CommState = CommStateWord::None;
    CommTaskWord CommTask = CommTaskWord::None;
    std::array<uint8_t, kRxBufSize> RxBuf{};
    std::size_t RxCount = 0;
    unsigned MsgSum = 0;   // running sum of a message, or the checksum of the last request
    unsigned DataSum = 0;  // sum of a read reply's data bytes under "Reading Data"; a PP
                           // message's own checksum
    int InterfaceVersion = 0;
    int CommSpeed = 0;               // 0 low (9600 baud), 1 high (19200 baud)
    bool DiscardZeros = true;        // received 0x00 bytes are dropped until a unit is identified
    std::string XferText;            // the caption of lblXFerStat
    std::array<int, 7> TraceLast{};  // last line offset reported per page 1..6
};

}  // namespace comm
