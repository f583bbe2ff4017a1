// Port numbers to devices, and the line-settings texts.
#include <gtest/gtest.h>

#include "link/DevicePorts.h"
#include "link/LineSettings.h"

namespace comm {
namespace {

TEST(DevicePorts, CountsBuiltInPortsFirstAndNumbersNaturally) {
    std::vector<std::string> devices = {"/dev/ttyUSB0", "/dev/ttyS10",  "/dev/ttyACM0",
                                        "/dev/ttyS2",   "/dev/ttyUSB1", "/dev/ttyS0"};
    SortSerialDevices(devices);
    EXPECT_EQ(devices, (std::vector<std::string>{"/dev/ttyS0", "/dev/ttyS2", "/dev/ttyS10",
                                                 "/dev/ttyACM0", "/dev/ttyUSB0", "/dev/ttyUSB1"}));
}

TEST(DevicePorts, OverrideWinsAndMissingPortsHaveNoDevice) {
    const std::vector<std::string> devices = {"/dev/ttyUSB0", "/dev/ttyUSB1"};
    EXPECT_EQ(DeviceForPort(2, devices, ""), "/dev/ttyUSB1");
    EXPECT_EQ(DeviceForPort(3, devices, ""), "");
    EXPECT_EQ(DeviceForPort(3, devices, "/dev/pts/7"), "/dev/pts/7");
    EXPECT_EQ(DeviceForPort(0, devices, "/dev/pts/7"), "") << "0 is no port chosen";
    EXPECT_EQ(DeviceForPort(5, devices, ""), "");
}

TEST(LineSettings, AcceptsOnlyTheTwoUnitSettings) {
    LineSettings settings;
    EXPECT_TRUE(ParseLineSettings("19200,n,8,1", settings));
    EXPECT_EQ(settings.Baud, 19200);
    EXPECT_TRUE(ParseLineSettings("9600,N,8,1", settings));
    EXPECT_EQ(settings.Baud, 9600);
    for (const char* bad :
         {"9600,E,8,1", "9600,N,7,1", "9600,N,8,2", "4800,N,8,1", "9600", "19200,n,8,1,", ""}) {
        settings.Baud = 1;
        EXPECT_FALSE(ParseLineSettings(bad, settings)) << bad;
        EXPECT_EQ(settings.Baud, 1) << bad;
    }
}

TEST(PortAvailable, OnlyTerminalsThatOpen) {
    EXPECT_FALSE(PortAvailable(""));
    EXPECT_FALSE(PortAvailable("/dev/no-such-zolt-port"));
    EXPECT_FALSE(PortAvailable("/dev/null")) << "not a terminal";
}

}  // namespace
}  // namespace comm
