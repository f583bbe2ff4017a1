// zoltctl ports: what Com 1..4 stand for on this machine, as the comm port dialog shows it.
#include <iostream>
#include <sstream>

#include "app/zoltctl/Command.h"
#include "app/zoltctl/CommandSupport.h"
#include "link/PortTable.h"

namespace zoltctl {
namespace {

constexpr const char* kPortsUsage =
    "usage: zoltctl ports [--json]\n"
    "\n"
    "Prints what Com 1..4 (--port 1..4) stand for on this machine: the n-th serial device\n"
    "with its adapter's description and maker, or that nothing is there; then the serial\n"
    "devices past the fourth. A USB adapter's stable name (/dev/serial/by-id) finds it again\n"
    "when it comes back as another ttyUSBn: give that to --port. --json prints the same as a\n"
    "list of objects for scripts.\n";

// One line of the table: Com n (0 for a device past the fourth) and its device, if any.
struct Entry {
    int Port;
    std::string Label;
    const comm::SerialDevice* Device;
};

std::string Quoted(const std::string& text) {
    std::ostringstream out;
    out << '"';
    for (const char c : text) {
        if (c == '"' || c == '\\')
            out << '\\' << c;
        else if (static_cast<unsigned char>(c) < 0x20)
            out << "\\u00"
                << "0123456789abcdef"[(c >> 4) & 0xF] << "0123456789abcdef"[c & 0xF];
        else
            out << c;
    }
    out << '"';
    return out.str();
}

void PrintJson(const std::vector<Entry>& entries) {
    std::cout << "[";
    const char* separator = "\n";
    for (const Entry& entry : entries) {
        const comm::SerialDevice empty;
        const comm::SerialDevice& device = entry.Device ? *entry.Device : empty;
        const comm::AdapterInfo& adapter = device.Adapter;
        std::cout << separator
                  << "  {\"port\": " << (entry.Port > 0 ? std::to_string(entry.Port) : "null")
                  << ", \"device\": " << Quoted(device.Path)
                  << ", \"label\": " << Quoted(entry.Label)
                  << ", \"description\": " << Quoted(adapter.Description)
                  << ", \"manufacturer\": " << Quoted(adapter.Manufacturer)
                  << ", \"vendorId\": " << Quoted(adapter.VendorId)
                  << ", \"productId\": " << Quoted(adapter.ProductId)
                  << ", \"serialNumber\": " << Quoted(adapter.SerialNumber)
                  << ", \"stableName\": " << Quoted(device.StableName) << "}";
        separator = ",\n";
    }
    std::cout << "\n]\n";
}

void PrintTable(const std::vector<Entry>& entries) {
    for (const Entry& entry : entries) {
        std::cout << (entry.Port > 0 ? "Com " + std::to_string(entry.Port) : "     ") << "  "
                  << entry.Label << "\n";
        if (entry.Device == nullptr)
            continue;
        const comm::AdapterInfo& adapter = entry.Device->Adapter;
        std::string details = entry.Device->Path;
        if (!adapter.VendorId.empty())
            details += ", USB " + adapter.VendorId + ":" + adapter.ProductId;
        if (!adapter.SerialNumber.empty())
            details += ", serial " + adapter.SerialNumber;
        if (!entry.Device->StableName.empty())
            details += ", stable name " + entry.Device->StableName;
        std::cout << "       " << details << "\n";
    }
}

int RunPorts(const std::vector<std::string>& given) {
    std::vector<std::string> args = given;
    const bool json = TakeFlag(args, "--json");
    if (!args.empty())
        return UsageError("ports", "takes no '" + args[0] + "'", kPortsUsage);
    const comm::DeviceRoots roots;
    const std::vector<comm::SerialDevice> devices = comm::ListSerialDevices(roots);
    std::vector<Entry> entries;
    for (std::size_t n = 0; n < std::max<std::size_t>(4, devices.size()); ++n) {
        const int port = n < 4 ? static_cast<int>(n) + 1 : 0;
        const comm::SerialDevice* device = n < devices.size() ? &devices[n] : nullptr;
        entries.push_back({port,
                           port > 0 ? comm::DescribePort(port, devices, "", roots).Label
                                    : comm::DeviceLabel(device->Path, device->Adapter, roots),
                           device});
    }
    if (json)
        PrintJson(entries);
    else
        PrintTable(entries);
    return kExitOk;
}

}  // namespace

Command PortsCommand() {
    return {"ports", "say what Com 1..4 stand for on this machine", kPortsUsage, RunPorts};
}

}  // namespace zoltctl
