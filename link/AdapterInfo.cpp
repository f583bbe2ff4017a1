// Reading an adapter's USB descriptors from sysfs.
#include "link/AdapterInfo.h"

#include <algorithm>
#include <fstream>

#include "link/DevicePorts.h"

namespace comm {
namespace {

// Longest attribute taken: USB string descriptors hold at most 126 characters.
constexpr std::size_t kLongestAttribute = 256;

// The first line of an attribute file, without trailing blanks; empty when there is none.
std::string Attribute(const std::string& dir, const char* name) {
    std::ifstream file(dir + "/" + name);
    std::string line;
    if (!std::getline(file, line))
        return {};
    line.resize(std::min(line.size(), kLongestAttribute));
    line.erase(line.find_last_not_of(" \t\r") + 1);
    return line;
}

AdapterInfo ReadDirectory(const std::string& dir) {
    AdapterInfo info;
    info.Description = Attribute(dir, "product");
    info.Manufacturer = Attribute(dir, "manufacturer");
    info.VendorId = Attribute(dir, "idVendor");
    info.ProductId = Attribute(dir, "idProduct");
    info.SerialNumber = Attribute(dir, "serial");
    return info;
}

}  // namespace

AdapterInfo ReadAdapterInfo(const std::string& sysRoot, const std::string& name) {
    const std::string root = ResolvedPath(sysRoot);
    std::string dir = ResolvedPath(sysRoot + "/class/tty/" + name + "/device");
    // Only directories below the root are read: a link that leads out of it names nothing.
    while (dir.size() > root.size() && dir.compare(0, root.size() + 1, root + "/") == 0) {
        const AdapterInfo info = ReadDirectory(dir);
        if (info.Known())
            return info;
        dir.erase(dir.rfind('/'));
    }
    return {};
}

}  // namespace comm
