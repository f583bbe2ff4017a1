// What every serial port and its pump must do on a real line: carry every byte value both
// ways, fire the link's timers while waiting, time out, and end a wait when the far side goes.
// Each port's test file instantiates it.
#pragma once

#include <chrono>

#include <gtest/gtest.h>

#include "tests/link/PortTestKit.h"

namespace comm {

template <typename Kind>
using PortContract = PortOnPty<Kind>;
TYPED_TEST_SUITE_P(PortContract);

TYPED_TEST_P(PortContract, CarriesEveryByteValueBothWaysUntouched) {
    // Zero, CR, LF, XON/XOFF and 0xFF must pass: the line is raw 8-bit.
    const std::vector<uint8_t> bytes = {0x00, 0x0D, 0x0A, 0x11, 0x13, 0x7F, 0xFF, 0x55};
    for (uint8_t b : bytes)
        ASSERT_TRUE(this->port.Write(b));
    EXPECT_EQ(this->pump.PumpUntil([&] { return this->port.QueuedOut() == 0; }, 1000),
              WaitResult::Done);
    EXPECT_EQ(this->pty.ReadAll(), bytes);

    this->pty.Send(bytes);
    EXPECT_EQ(
        this->pump.PumpUntil([&] { return this->link.received.size() >= bytes.size(); }, 1000),
        WaitResult::Done);
    EXPECT_EQ(this->link.received, bytes);
}

TYPED_TEST_P(PortContract, WaitsFireLinkTimersAndTimeOut) {
    this->link.timerDue = this->link.clock.Now() + 30;
    EXPECT_EQ(this->pump.PumpUntil([&] { return this->link.ticks > 0; }, 1000), WaitResult::Done);

    const Millis before = this->link.clock.Now();
    EXPECT_EQ(this->pump.PumpUntil([] { return false; }, 50), WaitResult::TimedOut);
    EXPECT_GE(this->link.clock.Now() - before, 50);
    EXPECT_EQ(this->pump.PumpUntil([] { return true; }, 0), WaitResult::Done);
}

TYPED_TEST_P(PortContract, FarSideClosingFailsThePortAndEndsTheWait) {
    this->pty.CloseMaster();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(this->pump.PumpUntil([] { return false; }, 5000), WaitResult::PortFailed);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_TRUE(this->port.Failed());
    EXPECT_NE(this->port.ErrorText().find(this->pty.Device()), std::string::npos);
    EXPECT_FALSE(this->port.Write(1));
}

REGISTER_TYPED_TEST_SUITE_P(PortContract, CarriesEveryByteValueBothWaysUntouched,
                            WaitsFireLinkTimersAndTimeOut, FarSideClosingFailsThePortAndEndsTheWait);

}  // namespace comm
