// The about box's text.
#include "app/shell/AboutText.h"

namespace shell {

std::string AboutVersions(const std::string& programVersion, std::optional<int> interfaceVersion,
                          std::optional<FirmwareVersion> mcu) {
    std::string text = "Program Version:  " + programVersion;
    if (interfaceVersion)
        text += "\nInterface Version:  " + std::to_string(*interfaceVersion);
    if (mcu)
        text += "\nMCU Version:  " + std::to_string(mcu->Major) + "." + std::to_string(mcu->Minor);
    return text;
}

}  // namespace shell
