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

class FakeMachine : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(Path("dev/serial/by-id"));
        // The root hub names itself too: the climb must stop at the adapter below it.
        Attributes("usb1", {"product", "xHCI Host Controller", "idVendor", "1d6b"});
        Adapter("ttyUSB0", "usb1/1-2", "/1-2:1.0/ttyUSB0",
                {"product", "FT232R USB UART", "manufacturer", "FTDI", "serial", "A10K5ZQ2"});
        Adapter("ttyUSB1", "usb1/1-3", "/1-3:1.0/ttyUSB1",
                {"idVendor", "1a86", "idProduct", "7523"});
        Adapter("ttyACM0", "usb1/1-4", "/1-4:1.0",
                {"product", "Zolt link  \r", "manufacturer", "Vantric"});
        // A built-in port's platform device describes nothing, up to the root.
        Adapter("ttyS0", "platform", "/serial8250", {});
        fs::create_symlink("../../ttyUSB0", Path("dev/serial/by-id/usb-FTDI_A10K5ZQ2-port0"));
    }

    std::string Path(const std::string& relative) const { return scratch.File(relative); }
    // Attribute files, name and text in turn, in a device directory.
    void Attributes(const std::string& device, const std::vector<std::string>& files) {
        fs::create_directories(Path("sys/devices/" + device));
        for (std::size_t i = 0; i + 1 < files.size(); i += 2)
            testfiles::WriteBytes(Path("sys/devices/" + device + "/" + files[i]),
                                  files[i + 1] + "\n");
    }
    // A terminal below its device: its class entry, its node, and what the device describes.
    void Adapter(const std::string& name, const std::string& device, const std::string& terminal,
                 const std::vector<std::string>& files) {
        Attributes(device, files);
        fs::create_directories(Path("sys/devices/" + device + terminal));
        fs::create_directories(Path("sys/class/tty/" + name));
        fs::create_symlink("../../../devices/" + device + terminal,
                           Path("sys/class/tty/" + name + "/device"));
        testfiles::WriteBytes(Path("dev/" + name), "");
    }

    testfiles::ScratchFolder scratch;
    DeviceRoots roots{Path("dev"), Path("sys")};
};

TEST_F(FakeMachine, NamesEachAdapterFromTheNearestDirectoryThatDescribesIt) {
    const std::pair<const char*, const char*> rows[] = {
        {"ttyUSB0", "ttyUSB0 — FT232R USB UART (FTDI)"},
        {"ttyUSB1", "ttyUSB1 — USB 1a86:7523"},
        {"ttyACM0", "ttyACM0 — Zolt link (Vantric)"},
        {"ttyS0", "ttyS0"},
        {"ttyUSB7", "ttyUSB7"},  // not in sysfs
    };
    for (const auto& [name, label] : rows)
        EXPECT_EQ(DeviceLabel(roots.Dev + "/" + name, ReadAdapterInfo(roots.Sys, name), roots),
                  label);
    EXPECT_EQ(ReadAdapterInfo(roots.Sys, "ttyUSB0").SerialNumber, "A10K5ZQ2");
}

// Com n set to a stable name names the adapter by its ttyUSBn, and the list beside it offers
// the adapter by that name; a setting whose adapter is out is kept.
TEST_F(FakeMachine, ComPortsNameTheirDevicesAndKeepAStableNameOrAnAbsentOne) {
    const std::vector<SerialDevice> devices = ListSerialDevices(roots);
    ASSERT_EQ(devices.size(), 3u);
    const std::string stable = Path("dev/serial/by-id/usb-FTDI_A10K5ZQ2-port0"),
                      gone = Path("dev/serial/by-id/usb-gone");
    EXPECT_EQ(devices[1].Setting(), stable);
    EXPECT_EQ(devices[2].Setting(), Path("dev/ttyUSB1"));
    const struct {
        int port;
        std::string setting, label;
        std::size_t current;  // 2: ttyUSB0 by its stable name; 4: the setting kept
    } rows[] = {
        {1, "", "ttyACM0 — Zolt link (Vantric)", 0},
        {2, stable, "ttyUSB0 — FT232R USB UART (FTDI)", 2},
        {3, Path("dev/ttyUSB0"), "ttyUSB0 — FT232R USB UART (FTDI)", 2},
        {4, "", "nothing there", 0},
        {4, gone, "serial/by-id/usb-gone — nothing there", 4},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(DescribePort(row.port, devices, row.setting, roots).Label, row.label);
        const PortChoices choices = ChoicesFor(row.port, devices, row.setting, roots);
        ASSERT_EQ(choices.Entries.size(), row.current == 4 ? 5u : 4u) << row.label;
        EXPECT_EQ(choices.Current, row.current) << row.label;
        EXPECT_EQ(choices.Entries[2].Setting, stable);
        EXPECT_EQ(choices.Entries.back().Setting, row.current == 4 ? gone : devices[2].Path);
    }
    EXPECT_EQ(ChoicesFor(4, devices, "", roots).Entries[0].Label, "Automatic: nothing there");
}

}  // namespace
}  // namespace comm
