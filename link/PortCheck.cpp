// The reasons a port cannot be used, in the words the user is shown.
#include "link/PortCheck.h"

#include <cerrno>
#include <cstring>

namespace comm {
namespace {

PortAccess AccessOf(int err) {
    switch (err) {
        case 0:
            return PortAccess::Usable;
        case EACCES:
        case EPERM:
            return PortAccess::Denied;
        case EBUSY:  // another program made itself the line's only user
        case EWOULDBLOCK:
            return PortAccess::InUse;
        case ENOENT:
        case ENODEV:
        case ENXIO:
            return PortAccess::Missing;
        case ENOTTY:
            return PortAccess::NotSerial;
        default:
            return PortAccess::Failed;
    }
}

std::string DeniedAdvice(const std::string& device, const std::string& group) {
    // Joining root's group to reach one device would give away far more than the port.
    if (group.empty() || group == "root")
        return "You may not open " + device +
               ".\nAsk the administrator for read and write access to it.";
    return "You may not open " + device + ": it belongs to the group '" + group +
           "'.\nJoin that group with 'sudo usermod -aG " + group +
           " $USER', then log out and log in again.";
}

}  // namespace

PortCheck CheckOf(const std::string& device, int err, const std::string& group) {
    PortCheck check;
    check.Access = AccessOf(err);
    if (check.Ok())
        return check;
    if (check.Access == PortAccess::InUse) {
        check.Error = device + ": in use";
        check.Advice = device + " is in use by another program.\nClose that program and try again.";
        return check;
    }
    check.Error = device + ": " + std::strerror(err);
    if (check.Access == PortAccess::Denied)
        check.Advice = DeniedAdvice(device, group);
    return check;
}

std::string LineLostText(const std::string& device) {
    return device + ": the line was lost; the adapter was unplugged or the line hung up";
}

}  // namespace comm
