// The serial devices of this machine as the port choice shows them: each with its adapter's
// name and maker and, for a USB adapter, the stable name that follows it to another ttyUSBn
// when it is plugged in again.
#pragma once

#include <string>
#include <vector>

#include "link/AdapterInfo.h"

namespace comm {

// Where the machine keeps its device nodes and its sysfs; a test lays out trees of its own.
struct DeviceRoots {
    std::string Dev = "/dev";
    std::string Sys = "/sys";
};

struct SerialDevice {
    std::string Path;        // "/dev/ttyUSB0"
    std::string StableName;  // "/dev/serial/by-id/usb-FTDI_…-port0", empty when it has none
    AdapterInfo Adapter;

    // What the settings keep for this device: the stable name where there is one.
    const std::string& Setting() const { return StableName.empty() ? Path : StableName; }
};

// The serial devices under roots in the order ports are counted (SystemSerialDevices).
std::vector<SerialDevice> ListSerialDevices(const DeviceRoots& roots);

// "ttyUSB0 — FT232R USB UART (FTDI)": the device's name below roots.Dev, then what its adapter
// is, as far as it is known ("ttyUSB1 — USB 1a86:7523" with identifiers alone).
std::string DeviceLabel(const std::string& path, const AdapterInfo& adapter,
                        const DeviceRoots& roots);

}  // namespace comm
