// The window application's port and waits on a pseudo-terminal: bytes both ways, a wait that
// keeps the event loop running, cancel from a window event, and the far side going away.
#include <QCoreApplication>
#include <QTimer>
#include <chrono>

#include <gtest/gtest.h>

#include "link/qt/QtEventPump.h"
#include "link/qt/QtSerialPort.h"
#include "tests/link/PortTestKit.h"
#include "tests/support/QtTestApp.h"

namespace comm {
namespace {

class QtPortTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (pty.Device().empty())
            GTEST_SKIP() << "no pseudo-terminal available";
        std::string error;
        ASSERT_TRUE(port.Open(pty.Device(), error)) << error;
    }
    Pty pty;
    QtSerialPort port;
    FakeLink link{port};
    QtEventPump pump{port, link.clock, link};
};

TEST_F(QtPortTest, CarriesEveryByteValueBothWays) {
    const std::vector<uint8_t> bytes = {0x00, 0x0D, 0x0A, 0x11, 0x13, 0xFF, 0x55};
    for (uint8_t b : bytes)
        ASSERT_TRUE(port.Write(b));
    // QSerialPort writes from the event loop: a short wait lets the bytes out.
    EXPECT_EQ(pump.PumpUntil([&] { return port.QueuedOut() == 0; }, 1000), WaitResult::Done);
    EXPECT_EQ(pty.ReadAll(), bytes);

    pty.Send(bytes);
    EXPECT_EQ(pump.PumpUntil([&] { return link.received.size() >= bytes.size(); }, 1000),
              WaitResult::Done);
    EXPECT_EQ(link.received, bytes);
}

TEST_F(QtPortTest, WaitsRunWindowEventsFireTimersAndEndOnCancel) {
    link.timerDue = link.clock.Now() + 30;
    EXPECT_EQ(pump.PumpUntil([&] { return link.ticks > 0; }, 1000), WaitResult::Done);

    bool eventRan = false;
    QTimer::singleShot(10, [&] { eventRan = true; });
    EXPECT_EQ(pump.PumpUntil([] { return false; }, 60), WaitResult::TimedOut);
    EXPECT_TRUE(eventRan) << "the event loop must run during a wait";

    // The user's Cancel arrives as a window event during the wait.
    QTimer::singleShot(20, [&] { pump.Cancel(); });
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(pump.PumpUntil([] { return false; }, 10'000), WaitResult::Cancelled);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    pump.ClearCancel();

    // A wait started from inside another wait ends first and leaves the outer one working.
    WaitResult inner = WaitResult::Done;
    QTimer::singleShot(5, [&] { inner = pump.PumpUntil([] { return false; }, 20); });
    EXPECT_EQ(pump.PumpUntil([] { return false; }, 80), WaitResult::TimedOut);
    EXPECT_EQ(inner, WaitResult::TimedOut);
}

TEST_F(QtPortTest, FarSideClosingFailsThePortAndEndsTheWait) {
    pty.CloseMaster();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(pump.PumpUntil([] { return false; }, 5000), WaitResult::PortFailed);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_TRUE(port.Failed());
    EXPECT_FALSE(port.Write(1));
}

}  // namespace
}  // namespace comm
