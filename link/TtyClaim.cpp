// Exclusive use, low latency and the owning group of a terminal device.
#include "link/TtyClaim.h"

#include <grp.h>
#include <linux/serial.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>

#include <cerrno>
#include <vector>

namespace comm {

int ClaimLine(int fd) {
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
        return errno;
    if (::ioctl(fd, TIOCEXCL) != 0)
        return errno;
    return 0;
}

void ReleaseLine(int fd) {
    ::ioctl(fd, TIOCNXCL);
}

bool RequestLowLatency(int fd) {
    serial_struct serial{};
    if (::ioctl(fd, TIOCGSERIAL, &serial) != 0)
        return false;
    if (serial.flags & ASYNC_LOW_LATENCY)
        return true;
    serial.flags |= ASYNC_LOW_LATENCY;
    return ::ioctl(fd, TIOCSSERIAL, &serial) == 0;
}

std::string DeviceGroup(const std::string& device) {
    struct stat info {};
    if (::stat(device.c_str(), &info) != 0)
        return {};
    std::vector<char> buffer(4096);
    group entry{};
    group* found = nullptr;
    while (::getgrgid_r(info.st_gid, &entry, buffer.data(), buffer.size(), &found) == ERANGE)
        buffer.resize(buffer.size() * 2);
    return found != nullptr ? found->gr_name : std::to_string(info.st_gid);
}

}  // namespace comm
