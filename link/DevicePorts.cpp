// Finding the machine's serial devices and numbering them as ports.
#include "link/DevicePorts.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/serial.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <tuple>

#include "link/TtyClaim.h"

namespace comm {
namespace {

const char* const kFamilies[] = {"ttyS", "ttyACM", "ttyUSB"};
constexpr int kFamilyCount = 3;

// (family rank, unit number, name) of a device path, for ordering.
std::tuple<int, long, std::string> SortKey(const std::string& path) {
    const std::string name = path.substr(path.rfind('/') + 1);
    for (int rank = 0; rank < kFamilyCount; ++rank) {
        const std::string family = kFamilies[rank];
        if (name.size() > family.size() && name.compare(0, family.size(), family) == 0 &&
            std::all_of(name.begin() + static_cast<std::ptrdiff_t>(family.size()), name.end(),
                        [](unsigned char c) { return std::isdigit(c) != 0; }))
            return {rank, std::stol(name.substr(family.size())), name};
    }
    return {kFamilyCount, 0, name};
}

// Every machine has ttyS0..ttyS31 nodes; only those with a UART behind them are ports.
bool BuiltInPortPresent(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    serial_struct info{};
    const bool present = ::ioctl(fd, TIOCGSERIAL, &info) == 0 && info.type != PORT_UNKNOWN;
    ::close(fd);
    return present;
}

}  // namespace

void SortSerialDevices(std::vector<std::string>& devices) {
    std::sort(devices.begin(), devices.end(),
              [](const std::string& a, const std::string& b) { return SortKey(a) < SortKey(b); });
}

std::vector<std::string> SystemSerialDevices(const std::string& devRoot) {
    std::vector<std::string> devices;
    DIR* dir = ::opendir(devRoot.c_str());
    if (dir == nullptr)
        return devices;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string path = devRoot + "/" + entry->d_name;
        const int rank = std::get<0>(SortKey(path));
        if (rank == kFamilyCount)
            continue;
        if (rank == 0 && !BuiltInPortPresent(path))
            continue;
        devices.push_back(path);
    }
    ::closedir(dir);
    SortSerialDevices(devices);
    return devices;
}

std::string DeviceForPort(int port, const std::vector<std::string>& devices,
                          const std::string& overrideDevice) {
    if (port < 1 || port > 4)
        return {};
    if (!overrideDevice.empty())
        return overrideDevice;
    if (static_cast<std::size_t>(port) > devices.size())
        return {};
    return devices[static_cast<std::size_t>(port) - 1];
}

PortCheck PortAvailable(const std::string& device) {
    if (device.empty())
        return CheckOf(device, ENOENT, "");
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int err = errno;
        return CheckOf(device, err, DeviceGroup(device));
    }
    // A lock another program holds refuses this one; ours goes with the descriptor. The
    // terminal's exclusive mark would outlast it, so the test leaves that alone.
    int err = ::isatty(fd) != 0 ? 0 : ENOTTY;
    if (err == 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0)
        err = errno;
    ::close(fd);
    return CheckOf(device, err, "");
}

std::string ResolvedPath(const std::string& path) {
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) != nullptr ? resolved : "";
}

}  // namespace comm
