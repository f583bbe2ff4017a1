// The link's receive state machine: every byte from the unit goes through here, and so does
// every tick of tmrComm. It identifies the unit and answers stray bytes, collects the replies
// the transfers wait for, hands the speed set-up and the Pocket Programmer's messages to their
// own parts, and takes the trace reports of a running MCU. It writes through its host and
// reports through its observer; it never waits.
#pragma once

#include <cstdint>

#include "link/Frames.h"
#include "link/LinkObserver.h"
#include "link/LinkState.h"
#include "link/PpResponder.h"
#include "link/ReceiveHost.h"
#include "link/SpeedSetUp.h"
#include "link/TraceView.h"
#include "link/TransferStatus.h"

namespace comm {

class ReceiveHandler {
  public:
    static constexpr Millis kTraceDelay = 250;  // tmrComm: from a repeated report to its display

    ReceiveHandler(ReceiveHost& host, LinkObserver& observer);
    ReceiveHandler(const ReceiveHandler&) = delete;
    ReceiveHandler& operator=(const ReceiveHandler&) = delete;

    // One byte as it came off the line.
    void Receive(uint8_t byte);
    // tmrComm ticked; the host has already stopped it.
    void CommTick();

    // Back to "none": zero bytes dropped again, status cleared, a pending tick forgotten.
    void Reset();
    // Sends a request; its reply is collected from RxBuf[0] on.
    void SendRequest(const Request& request);
    void SetState(CommStateWord state);

    TransferStatus& Status() { return status_; }
    PpResponder& Pp() { return pp_; }
    TraceView& Trace() { return trace_; }
    LinkState& State() { return state_; }
    const LinkState& State() const { return state_; }
    LinkObserver& Observer() { return observer_; }

  private:
    void Identification(uint8_t byte);
    void SpeedSetUpStep(SetUpResult result);
    void PpByte(uint8_t byte);
    void TraceReport();
    void ShowTrace();

    ReceiveHost& host_;
    LinkObserver& observer_;
    LinkState state_;
    TransferStatus status_;
    SpeedSetUp speedSetUp_;
    PpResponder pp_;
    TraceView trace_;
};

}  // namespace comm
