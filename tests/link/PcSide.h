// The PC's side of a line to a unit on a pseudo-terminal, as zoltctl puts it together.
#pragma once

#include "link/LinkSession.h"
#include "link/PollPump.h"
#include "link/PosixSerialPort.h"

namespace linktest {

// Observer: what hears the link; one that does nothing by default.
template <typename Observer = comm::LinkObserver>
struct PcSide {
    comm::PosixSerialPort port;
    comm::SteadyClock clock;
    Observer observer;
    comm::LinkSession link{port, clock, pump, observer};
    comm::PollPump pump{port, clock, link};
};

}  // namespace linktest
