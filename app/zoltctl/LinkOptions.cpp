// Reading the port, speed and wait options of the link commands.
#include "app/zoltctl/LinkOptions.h"

#include "app/zoltctl/CommandSupport.h"
#include "link/DevicePorts.h"

namespace zoltctl {

const char* const kLinkOptionsUsage =
    "  --port DEVICE|N   the serial device, or port 1..4 (the N-th serial device of this\n"
    "                    machine, as zoltctl ports lists them); default port 1\n"
    "  --speed low|high  9600 baud, or ask the unit for 19200 baud (default low)\n"
    "  --wait SECONDS    how long to wait for the unit to identify itself (default 10)\n";

std::string TakeLinkOptions(std::vector<std::string>& args, LinkOptions& options) {
    std::string port = "1";
    if (TakeOption(args, "--port", port) && port.empty())
        return "--port takes a device or a port number 1..4";
    if (port.size() == 1 && port[0] >= '1' && port[0] <= '4') {
        options.Device = comm::DeviceForPort(port[0] - '0', comm::SystemSerialDevices(), "");
        if (options.Device.empty())
            return "this machine has no serial port " + port + "; name the device with --port";
    } else if (port.find('/') != std::string::npos) {
        options.Device = port;
    } else {
        return "--port takes a device path or a port number 1..4, not '" + port + "'";
    }

    std::string speed = "low";
    TakeOption(args, "--speed", speed);
    if (speed != "low" && speed != "high")
        return "--speed takes low or high";
    options.HighSpeed = speed == "high";

    std::string wait;
    if (TakeOption(args, "--wait", wait)) {
        int seconds = 0;
        if (!ReadCount(wait, seconds) || seconds < 1)
            return "--wait takes a number of seconds, 1 or more";
        options.WaitSeconds = seconds;
    }
    return {};
}

}  // namespace zoltctl
