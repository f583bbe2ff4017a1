// The window application's waits on a pseudo-terminal: the event loop runs while they wait,
// a cancel comes as a window event, a wait inside a wait.
#include <QCoreApplication>
#include <QTimer>
#include <chrono>

#include <gtest/gtest.h>

#include "link/qt/QtEventPump.h"
#include "link/qt/QtSerialPort.h"
#include "tests/link/PortContract.h"
#include "tests/support/QtTestApp.h"

namespace comm {
namespace {

using QtPort = PortKind<QtSerialPort, QtEventPump>;
INSTANTIATE_TYPED_TEST_SUITE_P(Qt, PortContract, QtPort);

using QtPortTest = PortOnPty<QtPort>;

TEST_F(QtPortTest, WaitsRunWindowEventsAndEndOnCancel) {
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

}  // namespace
}  // namespace comm
