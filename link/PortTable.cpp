// Naming the device behind each Com n, or saying that nothing is there.
#include "link/PortTable.h"

#include "link/DevicePorts.h"

namespace comm {
namespace {

constexpr const char* kNothingThere = "nothing there";

}  // namespace

PortRow DescribePort(int port, const std::vector<SerialDevice>& devices, const std::string& setting,
                     const DeviceRoots& roots) {
    PortRow row;
    row.Port = port;
    row.Setting = setting;
    std::vector<std::string> paths;
    for (const SerialDevice& device : devices)
        paths.push_back(device.Path);
    row.Device = DeviceForPort(port, paths, setting);
    const std::string real = ResolvedPath(row.Device);
    row.Present = !real.empty();
    if (!row.Present) {
        row.Label = row.Device.empty() ? kNothingThere
                                       : DeviceLabel(row.Device, {}, roots) + " — " + kNothingThere;
        return row;
    }
    // A listed device answers for its stable name or any other link to it.
    for (const SerialDevice& device : devices) {
        if (ResolvedPath(device.Path) == real) {
            row.Label = DeviceLabel(device.Path, device.Adapter, roots);
            return row;
        }
    }
    row.Label =
        DeviceLabel(real, ReadAdapterInfo(roots.Sys, real.substr(real.rfind('/') + 1)), roots);
    return row;
}

PortChoices ChoicesFor(int port, const std::vector<SerialDevice>& devices,
                       const std::string& setting, const DeviceRoots& roots) {
    PortChoices choices;
    choices.Entries.push_back({"Automatic: " + DescribePort(port, devices, "", roots).Label, ""});
    for (const SerialDevice& device : devices) {
        if (!setting.empty() && (setting == device.Path || setting == device.StableName))
            choices.Current = choices.Entries.size();
        choices.Entries.push_back(
            {DeviceLabel(device.Path, device.Adapter, roots), device.Setting()});
    }
    if (!setting.empty() && choices.Current == 0) {
        choices.Current = choices.Entries.size();
        choices.Entries.push_back({DescribePort(port, devices, setting, roots).Label, setting});
    }
    return choices;
}

}  // namespace comm
