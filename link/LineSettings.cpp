// Reading the port's line-settings text.
#include "link/LineSettings.h"

#include <cctype>

namespace comm {

bool ParseLineSettings(const std::string& text, LineSettings& settings) {
    int baud = 0;
    if (text.rfind("9600,", 0) == 0)
        baud = 9600;
    else if (text.rfind("19200,", 0) == 0)
        baud = 19200;
    else
        return false;
    const std::string rest = text.substr(text.find(',') + 1);
    if (rest.size() != 5 || std::toupper(static_cast<unsigned char>(rest[0])) != 'N' ||
        rest.substr(1) != ",8,1")
        return false;
    settings.Baud = baud;
    return true;
}

}  // namespace comm
