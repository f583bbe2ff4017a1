// The about box's version lines.
#pragma once

#include <optional>
#include <string>

namespace shell {

struct FirmwareVersion {
    int Major;
    int Minor;
};

// "Program Version:  V", then "Interface Version:  N" while a unit is identified, then
// "MCU Version:  1.30" when the MCU told its firmware; one per line.
std::string AboutVersions(const std::string& programVersion, std::optional<int> interfaceVersion,
                          std::optional<FirmwareVersion> mcu);

}  // namespace shell
