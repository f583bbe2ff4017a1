// What the machine says of the adapter behind a serial device: its description, maker, USB
// identifiers and serial number, read from sysfs as the window toolkit's port list reads them,
// so that zoltctl and the window name an adapter alike.
#pragma once

#include <string>

namespace comm {

struct AdapterInfo {
    std::string Description;   // "FT232R USB UART"
    std::string Manufacturer;  // "FTDI"
    std::string VendorId;      // four hex digits, "0403"
    std::string ProductId;     // "6001"
    std::string SerialNumber;

    bool Known() const {
        return !Description.empty() || !Manufacturer.empty() || !VendorId.empty() ||
               !ProductId.empty() || !SerialNumber.empty();
    }
};

// The adapter of the terminal name ("ttyUSB0") under sysRoot ("/sys", or a tree laid out
// like it). Starts at the terminal's device and climbs towards the root until a directory
// names any of the five; the USB device, one or two levels up, names them all. An empty
// result for a built-in port, a pseudo-terminal or a name sysfs does not know.
AdapterInfo ReadAdapterInfo(const std::string& sysRoot, const std::string& name);

}  // namespace comm
