// Port numbers to devices, what a port that will not open says, and the line-settings texts.
#include <cerrno>

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

// The reasons the user can mend are told apart and say what to do; the others leave that to
// "An error occurred while opening serial port.".
TEST(PortCheck, SaysWhatToDoAboutPermissionAndAPortInUse) {
    const std::string inUse =
        "/dev/ttyUSB0 is in use by another program.\n"
        "Close that program and try again.";
    const struct {
        int err;
        const char* group;
        PortAccess access;
        std::string advice;
    } rows[] = {
        {EACCES, "dialout", PortAccess::Denied,
         "You may not open /dev/ttyUSB0: it belongs to the group 'dialout'.\nJoin that group "
         "with 'sudo usermod -aG dialout $USER', then log out and log in again."},
        {EACCES, "root", PortAccess::Denied,
         "You may not open /dev/ttyUSB0.\nAsk the administrator for read and write access to it."},
        {EBUSY, "", PortAccess::InUse, inUse},
        {EWOULDBLOCK, "", PortAccess::InUse, inUse},
        {ENXIO, "", PortAccess::Missing, ""},
        {ENOTTY, "", PortAccess::NotSerial, ""},
        {EIO, "", PortAccess::Failed, ""},
        {0, "", PortAccess::Usable, ""},
    };
    for (const auto& row : rows) {
        const PortCheck check = CheckOf("/dev/ttyUSB0", row.err, row.group);
        EXPECT_EQ(check.Access, row.access) << row.err;
        EXPECT_EQ(check.Advice, row.advice) << row.err;
    }
    EXPECT_EQ(CheckOf("/dev/ttyUSB0", EACCES, "").Error, "/dev/ttyUSB0: Permission denied");
}

}  // namespace
}  // namespace comm
