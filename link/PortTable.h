// What Com 1..4 stand for on this machine: the port choice beside each Com n, and zoltctl ports.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "link/SerialDevice.h"

namespace comm {

struct PortRow {
    int Port = 0;         // 1..4
    std::string Setting;  // "Communications"/"DeviceN"; empty: the n-th device of the machine
    std::string Device;   // what Connect opens; empty when the port has none
    std::string Label;    // "ttyUSB0 — FT232R USB UART (FTDI)", or what says nothing is there
    bool Present = false;
};

using PortSettings = std::array<std::string, 4>;  // DeviceN of Com 1..4

// What Com port stands for with setting among the machine's devices: the device a setting
// leads to is named as the list names it (a stable name as its ttyUSBn), one that is not
// listed by its own name.
PortRow DescribePort(int port, const std::vector<SerialDevice>& devices, const std::string& setting,
                     const DeviceRoots& roots);

// One entry of the device list beside Com n: what it shows and the setting it stands for.
struct DeviceChoice {
    std::string Label;
    std::string Setting;
};

struct PortChoices {
    std::vector<DeviceChoice> Entries;
    std::size_t Current = 0;  // the entry of the setting in force
};

// The entries beside Com port: "Automatic: " and the n-th device (setting empty), then every
// device of the machine by the setting that finds it again (its stable name where it has
// one), then the setting in force when none of those stands for it (a link, an adapter that is
// not plugged in).
PortChoices ChoicesFor(int port, const std::vector<SerialDevice>& devices,
                       const std::string& setting, const DeviceRoots& roots);

}  // namespace comm
