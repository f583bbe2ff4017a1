// The POSIX port and the poll pump on a pseudo-terminal: the speed change, a cancel from
// Ctrl+C (another thread or a signal), a device that is no terminal.
#include <fcntl.h>
#include <termios.h>

#include <chrono>
#include <thread>

#include <gtest/gtest.h>

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
    const int fd = ::open(pty.device.c_str(), O_RDWR | O_NOCTTY);
    ASSERT_EQ(::tcgetattr(fd, &tio), 0);
    ::close(fd);
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

TEST(PosixPortOpen, ReportsTheDeviceThatCannotBeOpened) {
    PosixSerialPort port;
    std::string error;
    EXPECT_FALSE(port.Open("/dev/no-such-zolt-port", error));
    EXPECT_NE(error.find("/dev/no-such-zolt-port"), std::string::npos);
    EXPECT_FALSE(port.IsOpen());
    EXPECT_FALSE(port.Open("/dev/null", error)) << "not a terminal";
}

}  // namespace
}  // namespace comm
