// The serial devices named from a sysfs and a /dev laid out in a scratch folder as a machine
// with three USB adapters and a built-in port has them: what each adapter is, the stable name
// that finds an adapter again, and what each Com n then stands for.
#include <filesystem>

#include <gtest/gtest.h>

#include "link/PortTable.h"
#include "tests/files/TestFiles.h"

namespace comm {
namespace {

namespace fs = std::filesystem;

constexpr const char* kHub = "sys/devices/pci0000:00/0000:00:14.0/usb1";

class FakeMachine : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(Path("dev/serial/by-id"));
        // The root hub names itself too: the climb must stop at the adapter below it.
        Attributes(kHub, {{"product", "xHCI Host Controller"}, {"idVendor", "1d6b"}});
        Adapter("ttyUSB0", "1-2", "1-2/1-2:1.0/ttyUSB0",
                {{"product", "FT232R USB UART"},
                 {"manufacturer", "FTDI"},
                 {"idVendor", "0403"},
                 {"idProduct", "6001"},
                 {"serial", "A10K5ZQ2"}});
        Adapter("ttyUSB1", "1-3", "1-3/1-3:1.0/ttyUSB1",
                {{"idVendor", "1a86"}, {"idProduct", "7523"}});
        Adapter("ttyACM0", "1-4", "1-4/1-4:1.0",
                {{"product", "Zolt USB link  \r"}, {"manufacturer", "Vantric"}});
        // A built-in port: a platform device with none of the attributes, up to the root.
        fs::create_directories(Path("sys/devices/platform/serial8250"));
        Link("sys/class/tty/ttyS0/device", "../../../devices/platform/serial8250");
        // A terminal of the kernel's own, without a device.
        fs::create_directories(Path("sys/class/tty/tty1"));
        Link("dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A10K5ZQ2-if00-port0", "../../ttyUSB0");
        roots = {Path("dev"), Path("sys")};
    }

    std::string Path(const std::string& relative) const { return scratch.File(relative); }
    void Link(const std::string& from, const std::string& to) {
        fs::create_directories(fs::path(Path(from)).parent_path());
        fs::create_symlink(to, Path(from));
    }
    void Attributes(const std::string& dir,
                    std::initializer_list<std::pair<const char*, const char*>> files) {
        fs::create_directories(Path(dir));
        for (const auto& [name, text] : files)
            testfiles::WriteBytes(Path(dir + "/" + name), std::string(text) + "\n");
    }
    // A USB adapter: its descriptors on the USB device, its terminal below it, its node.
    void Adapter(const std::string& name, const std::string& usb, const std::string& port,
                 std::initializer_list<std::pair<const char*, const char*>> files) {
        Attributes(std::string(kHub) + "/" + usb, files);
        fs::create_directories(Path(std::string(kHub) + "/" + port));
        Link("sys/class/tty/" + name + "/device",
             "../../../" + std::string(kHub).substr(4) + "/" + port);
        testfiles::WriteBytes(Path("dev/" + name), "");
    }

    testfiles::ScratchFolder scratch;
    DeviceRoots roots;
};

TEST_F(FakeMachine, NamesEachAdapterFromTheNearestDirectoryThatDescribesIt) {
    const struct {
        const char* name;
        const char* label;
        const char* serial;
    } rows[] = {
        {"ttyUSB0", "ttyUSB0 — FT232R USB UART (FTDI)", "A10K5ZQ2"},
        {"ttyUSB1", "ttyUSB1 — USB 1a86:7523", ""},
        {"ttyACM0", "ttyACM0 — Zolt USB link (Vantric)", ""},
        {"ttyS0", "ttyS0", ""},
        {"tty1", "tty1", ""},
        {"ttyUSB7", "ttyUSB7", ""},
    };
    for (const auto& row : rows) {
        const AdapterInfo adapter = ReadAdapterInfo(roots.Sys, row.name);
        EXPECT_EQ(DeviceLabel(roots.Dev + "/" + row.name, adapter, roots), row.label);
        EXPECT_EQ(adapter.SerialNumber, row.serial) << row.name;
    }
}

// The stable name follows the adapter: Com n set to it still names the adapter by its ttyUSBn,
// and the list beside Com n offers it by that name; a setting whose adapter is out is kept.
TEST_F(FakeMachine, ComPortsNameTheirDevicesAndKeepAStableNameOrAnAbsentOne) {
    const std::vector<SerialDevice> devices = ListSerialDevices(roots);
    ASSERT_EQ(devices.size(), 3u);
    const std::string stable =
        Path("dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A10K5ZQ2-if00-port0");
    EXPECT_EQ(devices[1].Path, Path("dev/ttyUSB0"));
    EXPECT_EQ(devices[1].Setting(), stable);
    EXPECT_EQ(devices[2].Setting(), Path("dev/ttyUSB1"));

    const std::string gone = Path("dev/serial/by-id/usb-gone");
    const struct {
        int port;
        std::string setting;
        const char* label;
        bool present;
        std::size_t current;
    } rows[] = {
        {1, "", "ttyACM0 — Zolt USB link (Vantric)", true, 0},
        {2, stable, "ttyUSB0 — FT232R USB UART (FTDI)", true, 2},
        {3, Path("dev/ttyUSB0"), "ttyUSB0 — FT232R USB UART (FTDI)", true, 2},
        {4, "", "nothing there", false, 0},
        {4, gone, "serial/by-id/usb-gone — nothing there", false, 4},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        const PortRow described = DescribePort(row.port, devices, row.setting, roots);
        EXPECT_EQ(described.Label, row.label);
        EXPECT_EQ(described.Present, row.present);
        const PortChoices choices = ChoicesFor(row.port, devices, row.setting, roots);
        EXPECT_EQ(choices.Current, row.current);
        ASSERT_EQ(choices.Entries.size(), row.current == 4 ? 5u : 4u);
        EXPECT_EQ(choices.Entries[0].Setting, "");
        EXPECT_EQ(choices.Entries[2].Setting, stable);
        EXPECT_EQ(choices.Entries[row.current].Setting, row.current == 0   ? ""
                                                        : row.current == 2 ? stable
                                                                           : gone);
    }
    EXPECT_EQ(ChoicesFor(4, devices, "", roots).Entries[0].Label, "Automatic: nothing there");
}

}  // namespace
}  // namespace comm
