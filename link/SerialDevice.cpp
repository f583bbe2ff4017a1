// Listing the serial devices with their adapters and stable names.
#include "link/SerialDevice.h"

#include <dirent.h>

#include "link/DevicePorts.h"

namespace comm {
namespace {

// The links of serial/by-id, each with the device it leads to (empty when it leads nowhere).
std::vector<std::pair<std::string, std::string>> StableNames(const std::string& devRoot) {
    std::vector<std::pair<std::string, std::string>> names;
    const std::string folder = devRoot + "/serial/by-id";
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr)
        return names;
    while (const dirent* entry = ::readdir(dir)) {
        // "." and ".." lead to folders, which no device is.
        const std::string link = folder + "/" + entry->d_name;
        names.emplace_back(link, ResolvedPath(link));
    }
    ::closedir(dir);
    return names;
}

}  // namespace

std::vector<SerialDevice> ListSerialDevices(const DeviceRoots& roots) {
    const auto stableNames = StableNames(roots.Dev);
    std::vector<SerialDevice> devices;
    for (const std::string& path : SystemSerialDevices(roots.Dev)) {
        SerialDevice device;
        device.Path = path;
        device.Adapter = ReadAdapterInfo(roots.Sys, path.substr(path.rfind('/') + 1));
        const std::string real = ResolvedPath(path);
        for (const auto& [link, target] : stableNames) {
            if (!real.empty() && target == real)
                device.StableName = link;
        }
        devices.push_back(device);
    }
    return devices;
}

std::string DeviceLabel(const std::string& path, const AdapterInfo& adapter,
                        const DeviceRoots& roots) {
    const std::string prefix = roots.Dev + "/";
    const std::string name =
        path.compare(0, prefix.size(), prefix) == 0 ? path.substr(prefix.size()) : path;
    std::string what = adapter.Description;
    if (what.empty() && !adapter.VendorId.empty())
        what = "USB " + adapter.VendorId + ":" + adapter.ProductId;
    if (!adapter.Manufacturer.empty())
        what = what.empty() ? adapter.Manufacturer : what + " (" + adapter.Manufacturer + ")";
    return what.empty() ? name : name + " — " + what;
}

}  // namespace comm
