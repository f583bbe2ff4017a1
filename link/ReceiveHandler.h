// The link's receive state machine: every byte from the unit goes through here, and so does
// every tick of tmrComm. It identifies the unit, answers stray bytes, runs the speed set-up and
// its high-speed test, answers the Pocket Programmer, and takes the trace reports of a running
// MCU. It writes through its host and reports through its observer; it never waits.
#pragma once

#include <cstdint>

#include "link/Frames.h"
#include "link/LinkObserver.h"
#include "link/LinkState.h"
#include "link/ReceiveHost.h"
#include "link/TraceView.h"

namespace model {
class Program;
}

namespace comm {

// How a Pocket Programmer exchange has gone since it was last reset.
struct PpTally {
    int Stored = 0;          // command-1 lines stored
    int Served = 0;          // command-2 lines answered with a good checksum
    int Rejected = 0;        // messages answered but not used: wrong checksum
    int Dropped = 0;         // messages for a line outside the image, or an unknown command
    bool Ended = false;      // the 500 ms tick has closed the exchange
    bool ChecksumOk = true;  // after a receive: register 100 byte D matched the program
};

class ReceiveHandler {
  public:
    // Intervals of tmrComm.
    static constexpr Millis kPause = 100;       // before and after the speed request
    static constexpr Millis kTestWait = 100;    // for the high-speed test reply
    static constexpr Millis kEchoWait = 500;    // for the speed request's echo
    static constexpr Millis kPpEnd = 500;       // quiet that ends a Pocket Programmer transfer
    static constexpr Millis kTraceDelay = 250;  // from a repeated report to its display
    // Wrong echoes of the speed request or the high-speed test taken before giving up.
    static constexpr int kSpeedTries = 10;

    ReceiveHandler(ReceiveHost& host, LinkObserver& observer);

    // One byte as it came off the line.
    void Receive(uint8_t byte);
    // tmrComm ticked; the host has already stopped it.
    void CommTick();

    // Back to "none": zero bytes dropped again, status cleared, tmrComm's task forgotten.
    void Reset();
    // Sends a request: MsgSum becomes its checksum and the reply is collected from RxBuf[0].
    void SendRequest(const Request& request);
    // Clear: MsgSum = 0, RxCount = 0.
    void Clear();
    void SetState(CommStateWord state);

    // lblXFerStat and prgXFerStat.
    void ShowStatus(const char* text, int progress);
    void SetProgress(int value);
    void HideStatus();

    // The program Pocket Programmer messages read and fill; none: they are dropped unanswered.
    void AttachProgram(model::Program* program) { program_ = program; }
    TraceView& Trace() { return trace_; }
    LinkState& State() { return state_; }
    const LinkState& State() const { return state_; }
    PpTally& Tally() { return tally_; }
    LinkObserver& Observer() { return observer_; }

  private:
    enum class SpeedStep { PauseBefore, AwaitEcho, PauseAfter, AwaitTest };

    void Identification(uint8_t byte);
    void StartSpeedSetUp();
    void SpeedTick();
    void SpeedReply(uint8_t byte);
    void SendSpeedRequest();
    void SendHighSpeedTest();
    void HighSpeedError();
    void PpMessage(uint8_t byte);
    void PpEnd();
    void TraceReport();
    void ShowTrace();

    ReceiveHost& host_;
    LinkObserver& observer_;
    LinkState state_;
    SpeedStep speedStep_ = SpeedStep::PauseBefore;
    int speedTries_ = 0;
    model::Program* program_ = nullptr;
    TraceView trace_;
    PpTally tally_;
};

}  // namespace comm
