// The options every zoltctl command over the serial line takes: the port and the speed.
#pragma once

#include <string>
#include <vector>

namespace zoltctl {

struct LinkOptions {
    std::string Device;      // the device to open
    bool HighSpeed = false;  // ask the unit for 19200 baud after it identifies itself
    int WaitSeconds = 10;    // how long to wait for the unit to identify itself
};

// Takes "--port DEVICE|1..4", "--speed low|high" and "--wait SECONDS" out of args. A port
// number is the n-th serial device of the machine; without --port, port 1. Returns an error
// text, empty on success.
std::string TakeLinkOptions(std::vector<std::string>& args, LinkOptions& options);

// The option lines of the usage texts of the link commands.
extern const char* const kLinkOptionsUsage;

}  // namespace zoltctl
