// Which device is serial port 1..4. Port n is by default the n-th serial device the system has
// (built-in ports that are really there, then USB adapters); the settings can name another.
#pragma once

#include <string>
#include <vector>

#include "link/PortCheck.h"

namespace comm {

// Orders device names as a person counts them: ttyS2 before ttyS10, built-in ttyS before
// ttyACM before ttyUSB, anything else after them by name.
void SortSerialDevices(std::vector<std::string>& devices);

// The serial devices under devRoot, full paths, in the order of SortSerialDevices. Built-in
// ports are listed only when hardware answers at them.
std::vector<std::string> SystemSerialDevices(const std::string& devRoot = "/dev");

// The device of port 1..4: the override when there is one, else the port-th of devices, else
// an empty text (no such port).
std::string DeviceForPort(int port, const std::vector<std::string>& devices,
                          const std::string& overrideDevice);

// Whether device names a terminal that can be opened now and that no other program holds; it
// is closed again at once. An empty device is Missing.
PortCheck PortAvailable(const std::string& device);

// path with every symbolic link followed (a stable name, a link zolt-sim made), empty when it
// leads nowhere.
std::string ResolvedPath(const std::string& path);

}  // namespace comm
