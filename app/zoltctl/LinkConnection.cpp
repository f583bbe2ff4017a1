// Connecting zoltctl to a unit, with Ctrl+C as the user's Cancel.
#include "app/zoltctl/LinkConnection.h"

#include <csignal>
#include <iostream>

#include "app/zoltctl/Command.h"

namespace zoltctl {
namespace {

comm::EventPump* cancelTarget = nullptr;

extern "C" void CancelOnInterrupt(int) {
    if (cancelTarget != nullptr)
        cancelTarget->Cancel();
    // A second Ctrl+C ends the program at once.
    std::signal(SIGINT, SIG_DFL);
}

}  // namespace

const char* UnitName(comm::Unit unit) {
    switch (unit) {
        case comm::Unit::Mcu:
            return "MCU";
        case comm::Unit::Pp:
            return "Pocket Programmer";
        case comm::Unit::Cim:
            return "CIM";
    }
    return "";
}

LinkConnection::LinkConnection(const LinkOptions& options, ConsoleObserver& observer)
    : options_(options),
      observer_(observer),
      session_(port_, clock_, pump_, observer),
      pump_(port_, clock_, session_) {
    cancelTarget = &pump_;
    std::signal(SIGINT, CancelOnInterrupt);
}

LinkConnection::~LinkConnection() {
    std::signal(SIGINT, SIG_DFL);
    cancelTarget = nullptr;
    session_.Close();
}

int LinkConnection::ConnectTo(std::optional<comm::Unit> wanted) {
    const comm::LinkResult opened = session_.Connect(options_.Device, options_.HighSpeed ? 1 : 0);
    if (!opened.Ok())
        return ExitFor(opened, observer_);
    const comm::LinkResult identified = session_.WaitForUnit(options_.WaitSeconds * 1000);
    if (!identified.Ok())
        return ExitFor(identified, observer_);
    const auto unit = session_.ConnectedUnit();
    if (wanted && unit != wanted) {
        std::cerr << "zoltctl: the unit on " << options_.Device << " is the "
                  << (unit ? UnitName(*unit) : "unknown") << "; this command needs the "
                  << UnitName(*wanted) << "\n";
        return kExitProblems;
    }
    return kExitOk;
}

int ExitFor(const comm::LinkResult& result, ConsoleObserver& observer) {
    observer.Verdict(result.Message);
    return result.Ok() ? kExitOk : kExitProblems;
}

}  // namespace zoltctl
