// The POSIX port and the poll pump on a pseudo-terminal: bytes both ways, the speed change,
// the far side going away, and every way a wait ends.
#include <fcntl.h>
#include <termios.h>

#include <chrono>
#include <thread>

#include <gtest/gtest.h>

#include "link/PollPump.h"
#include "link/PosixSerialPort.h"
#include "tests/link/PortTestKit.h"

namespace comm {
namespace {

class PosixPortTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (pty.Device().empty())
            GTEST_SKIP() << "no pseudo-terminal available";
        std::string error;
        ASSERT_TRUE(port.Open(pty.Device(), error)) << error;
    }
    Pty pty;
    PosixSerialPort port;
    FakeLink link{port};
    PollPump pump{port, link.clock, link};
};

TEST_F(PosixPortTest, CarriesEveryByteValueBothWaysUntouched) {
    // Zero, CR, LF, XON/XOFF and 0xFF must pass: the line is raw 8-bit.
    const std::vector<uint8_t> bytes = {0x00, 0x0D, 0x0A, 0x11, 0x13, 0x7F, 0xFF, 0x55};
    for (uint8_t b : bytes)
        ASSERT_TRUE(port.Write(b));
    EXPECT_EQ(pty.ReadAll(), bytes);

    pty.Send(bytes);
    EXPECT_EQ(pump.PumpUntil([&] { return link.received.size() >= bytes.size(); }, 1000),
              WaitResult::Done);
    EXPECT_EQ(link.received, bytes);
}

TEST_F(PosixPortTest, ChangesSpeedAndKeepsTheLineRaw) {
    ASSERT_TRUE(port.Configure(LineSettings{19200}));
    termios tio{};
    const int fd = ::open(pty.Device().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::tcgetattr(fd, &tio), 0);
    ::close(fd);
    EXPECT_EQ(::cfgetospeed(&tio), speed_t(B19200));
    EXPECT_EQ(tio.c_cflag & CSIZE, tcflag_t(CS8));
    EXPECT_EQ(tio.c_cflag & PARENB, 0u);
    EXPECT_EQ(tio.c_lflag & (ICANON | ECHO), 0u);
}

TEST_F(PosixPortTest, FarSideClosingFailsThePortAndEndsTheWait) {
    pty.CloseMaster();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(pump.PumpUntil([] { return false; }, 5000), WaitResult::PortFailed);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_TRUE(port.Failed());
    EXPECT_NE(port.ErrorText().find(pty.Device()), std::string::npos);
    EXPECT_FALSE(port.Write(1));
}

TEST_F(PosixPortTest, WaitsEndByTimeoutByCancelAndFireTimersOnTheWay) {
    link.timerDue = link.clock.Now() + 30;
    EXPECT_EQ(pump.PumpUntil([&] { return link.ticks > 0; }, 1000), WaitResult::Done);

    const Millis before = link.clock.Now();
    EXPECT_EQ(pump.PumpUntil([] { return false; }, 50), WaitResult::TimedOut);
    EXPECT_GE(link.clock.Now() - before, 50);

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
