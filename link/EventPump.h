// The link's waits. A transfer sends a request and then waits, while the user interface stays
// alive, until the reply has come in. Every wait ends: when its condition holds, when its time
// runs out, when the port fails, or when the user cancels.
#pragma once

#include <functional>
#include <optional>

#include "link/Clock.h"

namespace comm {

// What a pump drives between checks of its condition: the link session.
class Serviced {
  public:
    virtual ~Serviced() = default;
    // Takes the bytes that have arrived off the port into the receive handler and fires the
    // link timers that are due.
    virtual void Service() = 0;
    // When the next link timer falls due, if one is running.
    virtual std::optional<Millis> NextTimerDue() const = 0;
};

enum class WaitResult { Done, TimedOut, Cancelled, PortFailed };

class EventPump {
  public:
    virtual ~EventPump() = default;

    // Delivers received bytes and due timer ticks to the link, and (in a window application)
    // the window's own events, until done() holds or timeoutMs have passed. done is checked
    // first, so a condition that already holds returns Done without waiting.
    virtual WaitResult PumpUntil(const std::function<bool()>& done, Millis timeoutMs) = 0;

    // Makes the running wait, and every later one, return Cancelled until ClearCancel.
    virtual void Cancel() = 0;
    virtual void ClearCancel() = 0;
};

}  // namespace comm
