// Whether a serial device can be used now and, when it cannot, why and what the user can do:
// the words the window and zoltctl show for a port that will not open or a line that is lost.
#pragma once

#include <string>

namespace comm {

enum class PortAccess {
    Usable,
    Missing,    // no such device (an adapter that is unplugged)
    Denied,     // the user may not open it
    InUse,      // another program holds it
    NotSerial,  // it opens, but it is no terminal
    Failed,     // any other reason
};

struct PortCheck {
    PortAccess Access = PortAccess::Usable;
    std::string Error;   // the device and the system's reason: "/dev/ttyUSB0: Permission denied"
    std::string Advice;  // what to do, for Denied and InUse; empty otherwise

    bool Ok() const { return Access == PortAccess::Usable; }
};

// The check an errno from opening or claiming device stands for. group is the group that owns
// the device (see DeviceGroup); the advice for Denied names it.
PortCheck CheckOf(const std::string& device, int err, const std::string& group);

// The port's error once the line has gone while open: an adapter pulled out, a hang-up.
std::string LineLostText(const std::string& device);

}  // namespace comm
