// What the receive handler and its parts need from the session around it: a way to answer on the
// line, the link timer tmrComm and the line speed. The handler itself never touches a port or
// clock.
#pragma once

#include <cstdint>

#include "link/Clock.h"

namespace comm {

class ReceiveHost {
  public:
    virtual ~ReceiveHost() = default;

    // Queues one byte for the unit.
    virtual void SendByte(uint8_t byte) = 0;
    // tmrComm: one-shot; starting it again restarts it.
    virtual void StartCommTimer(Millis interval) = 0;
    virtual void StopCommTimer() = 0;
    virtual bool CommTimerRunning() const = 0;
    // Switches the line to baud (9600 or 19200).
    virtual void SetLineSpeed(int baud) = 0;
};

}  // namespace comm
