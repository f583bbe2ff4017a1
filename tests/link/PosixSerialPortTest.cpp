// The POSIX port and the poll pump on a pseudo-terminal: the speed change, a cancel from
// Ctrl+C (another thread or a signal), a device that is no terminal.
#include <termios.h>

#include <chrono>
#include <thread>

#include <gtest/gtest.h>

#include "link/DevicePorts.h"
#include "link/PollPump.h"
#include "link/PosixSerialPort.h"
#include "tests/link/PortContract.h"

namespace comm {
namespace {

using PosixPort = PortKind<PosixSerialPort, PollPump>;
INSTANTIATE_TYPED_TEST_SUITE_P(Posix, PortContract, PosixPort);

using PosixPortTest = PortOnPty<PosixPort>;

TEST_F(PosixPortTest, ChangesSpeedAndKeepsTheLineRaw) {
    ASSERT_TRUE(port.Configure(LineSettings{19200}));
    termios tio{};
    // The master side reads the line settings of the terminal the port holds.
    ASSERT_EQ(::tcgetattr(pty.master, &tio), 0);
    EXPECT_EQ(::cfgetospeed(&tio), speed_t(B19200));
    EXPECT_EQ(tio.c_cflag & (CSIZE | PARENB), tcflag_t(CS8));
    EXPECT_EQ(tio.c_lflag & (ICANON | ECHO), 0u);
}

TEST_F(PosixPortTest, CancelFromAnotherThreadEndsTheWaitAndHoldsUntilCleared) {
    std::thread canceller([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        pump.Cancel();
    });
    EXPECT_EQ(pump.PumpUntil([] { return false; }, 10'000), WaitResult::Cancelled);
    canceller.join();
    EXPECT_EQ(pump.PumpUntil([] { return true; }, 0), WaitResult::Done);
    EXPECT_EQ(pump.PumpUntil([] { return false; }, 10), WaitResult::Cancelled)
        << "a cancel holds until it is cleared";
    pump.ClearCancel();
    EXPECT_EQ(pump.PumpUntil([] { return false; }, 10), WaitResult::TimedOut);
}

// The port and the availability test of the port setup alike.
TEST(PosixPortOpen, ReportsTheDeviceThatCannotBeOpened) {
    const std::pair<const char*, PortAccess> rows[] = {
        {"/dev/no-such-zolt-port", PortAccess::Missing},
        {"/dev/null", PortAccess::NotSerial},
        {"", PortAccess::Missing},
    };
    for (const auto& [device, access] : rows) {
        PosixSerialPort port;
        PortCheck failure;
        EXPECT_FALSE(port.Open(device, failure));
        EXPECT_EQ(failure.Access, access) << device;
        EXPECT_EQ(PortAvailable(device).Access, access) << device;
    }
}

}  // namespace
}  // namespace comm
