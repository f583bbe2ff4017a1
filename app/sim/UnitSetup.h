// How an emulated unit is configured: which unit it is, what it holds and which faults it shows.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <vector>

#include "model/PageGeometry.h"
#include "model/PanelTables.h"

namespace sim {

using Millis = std::chrono::milliseconds;

enum class UnitKind { Mcu, Pp, Cim };

// What the unit sends before its valid identification message.
enum class IdentFault {
    None,
    Checksum,  // first a message with a wrong fourth byte
    Stray,     // first a lone 0x12
};

// Order of the two bytes of a trace report from a unit with the newer interface.
enum class TraceOrder { PageFirst, LineFirst, Alternate };

// What a Pocket Programmer does once it is connected.
enum class PpExchange {
    None,
    Send,     // sends its lines to the PC (command 1)
    Receive,  // asks the PC for every line (command 2)
};

// One scripted trace report: the page byte (1..6 for pages A..F; other values are sent as
// they are, to show how the PC drops them) and the 0-based line offset.
struct TracePoint {
    int Page = 1;
    int Offset = 0;
};

using LineCode = std::array<uint8_t, 4>;
using LineImage = std::array<LineCode, model::kRecordCount>;

struct UnitSetup {
    UnitKind Kind = UnitKind::Mcu;
    int InterfaceVersion = 1;
    int FirmwareMajor = 1;  // register 100 bytes B and C as the unit reports them
    int FirmwareMinor = 30;
    IdentFault Fault = IdentFault::None;
    Millis PowerUpDelay{50};  // from the PC opening the port to the identification

    int CorruptEchoPercent = 0;  // share of requests whose echo comes back garbled
    uint32_t Seed = 1;
    int StopAfter = -1;    // requests answered before the unit falls silent; -1: never
    int HangupAfter = -1;  // requests answered before the unit drops the line; -1: never
    Millis ReplyDelay{0};  // a slow unit's time on each request, taken one at a time

    LineImage Memory{};  // the program lines an MCU or PP holds at start

    std::vector<TracePoint> Trace;  // empty: walk page A of the memory, or execute it
    // Run mode executes the program in memory and reports the lines it runs.
    bool Execute = false;
    model::PanelTables TimerSettings;  // the set times an executing MCU's timers run for
    TraceOrder Order = TraceOrder::PageFirst;
    int TraceRepeat = 2;  // reports per line while walking page A
    Millis TraceInterval{100};

    PpExchange Exchange = PpExchange::None;
    Millis PpStartDelay{300};  // quiet time after the connection before the PP starts
    Millis PpReplyTimeout{250};
    int PpRetries = 3;          // repeats of a message whose answer is wrong or missing
    int PpCorruptMessage = -1;  // 0-based message sent once with a wrong checksum
    int PpPauseBefore = -1;     // 0-based message before which the PP pauses
    Millis PpPause{0};
};

}  // namespace sim
