// The line settings of the serial port, as the link names them: "9600,N,8,1", "19200,n,8,1".
#pragma once

#include <string>

namespace comm {

struct LineSettings {
    int Baud = 9600;
};

// Reads "baud,parity,data,stop". Only no parity, 8 data bits and 1 stop bit are valid (either
// case of the parity letter), at 9600 or 19200 baud. Returns false for anything else and
// leaves settings as it was.
bool ParseLineSettings(const std::string& text, LineSettings& settings);

}  // namespace comm
