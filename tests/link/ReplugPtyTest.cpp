// An adapter pulled out in the middle of a read and plugged in again as another device, on
// pseudo-terminals in real time: the unit's side closing is the adapter going, and the link
// that names the device (as a stable name does) is moved to the new one.
#include <unistd.h>

#include <chrono>
#include <memory>

#include <gtest/gtest.h>

#include "app/sim/UnitThread.h"
#include "model/Program.h"
#include "tests/files/TestFiles.h"
#include "tests/link/PcSide.h"

namespace {

TEST(ReplugPty, PulledOutMidReadEndsItSayingSoAndConnectFindsTheAdapterAgain) {
    testfiles::ScratchFolder scratch;
    const std::string stableName = scratch.File("usb-FTDI_FT232R_USB_UART_A10K5ZQ2-if00-port0");
    sim::UnitSetup setup;
    setup.PowerUpDelay = sim::Millis(5);
    setup.HangupAfter = 100;
    auto adapter = std::make_unique<sim::UnitThread>(setup, false);
    ASSERT_EQ(adapter->Error(), "");
    ASSERT_EQ(::symlink(adapter->DevicePath().c_str(), stableName.c_str()), 0);
    linktest::PcSide<> pc;
    ASSERT_TRUE(pc.link.Connect(stableName, 0).Ok());
    ASSERT_TRUE(pc.link.WaitForUnit(5000).Ok());

    // What the message says and that the program stays are the link core's and zoltctl's tests.
    model::Program program;
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(pc.link.ReadProgram(program).Result, comm::Outcome::PortFailed);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));

    setup.HangupAfter = -1;
    adapter = std::make_unique<sim::UnitThread>(setup, false);
    ASSERT_EQ(adapter->Error(), "");
    ASSERT_EQ(::unlink(stableName.c_str()), 0);
    ASSERT_EQ(::symlink(adapter->DevicePath().c_str(), stableName.c_str()), 0);
    ASSERT_TRUE(pc.link.Connect(stableName, 0).Ok());
    ASSERT_TRUE(pc.link.WaitForUnit(5000).Ok());
    comm::LineBytes reg100{};
    EXPECT_TRUE(pc.link.ReadCheckLine(reg100).Ok());
}

}  // namespace
