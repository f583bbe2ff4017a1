// One zoltctl link command's connection: the POSIX port, the poll pump and the link session,
// Ctrl+C cancelling the running transfer, and the wait for the unit the command needs.
#pragma once

#include <optional>
#include <string>

#include "app/zoltctl/ConsoleObserver.h"
#include "app/zoltctl/LinkOptions.h"
#include "link/Frames.h"
#include "link/LinkSession.h"
#include "link/PollPump.h"
#include "link/PosixSerialPort.h"

namespace zoltctl {

class LinkConnection {
  public:
    LinkConnection(const LinkOptions& options, ConsoleObserver& observer);
    ~LinkConnection();
    LinkConnection(const LinkConnection&) = delete;
    LinkConnection& operator=(const LinkConnection&) = delete;

    // Opens the port and waits for a unit to identify itself. Returns kExitOk when the unit
    // is the one wanted (any unit without one); otherwise prints why and returns
    // kExitProblems.
    int ConnectTo(std::optional<comm::Unit> wanted);

    comm::LinkSession& Session() { return session_; }
    comm::EventPump& Pump() { return pump_; }

  private:
    const LinkOptions options_;
    ConsoleObserver& observer_;
    comm::PosixSerialPort port_;
    comm::SteadyClock clock_;
    comm::LinkSession session_;
    comm::PollPump pump_;
};

// Prints the command's verdict unless the observer has just shown it, and maps the outcome to
// the exit status: 0 only for success.
int ExitFor(const comm::LinkResult& result, ConsoleObserver& observer);

// "MCU", "Pocket Programmer", "CIM".
const char* UnitName(comm::Unit unit);

}  // namespace zoltctl
