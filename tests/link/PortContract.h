// What every serial port and its pump must do on a real line: carry every byte value both
// ways, fire the link's timers while waiting, time out, end a wait when the far side goes, hold
// the line against other programs and say why one that is refused cannot be opened.
// Each port's test file instantiates it with its port and pump, on a pseudo-terminal whose
// master side plays the unit's end of the line, and a stand-in link that only collects bytes
// and fires one timer.
#pragma once

#include <poll.h>
#include <pty.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <chrono>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "link/DevicePorts.h"
#include "link/EventPump.h"
#include "link/PosixSerialPort.h"
#include "link/SerialPort.h"
#include "link/TtyClaim.h"

namespace comm {

// The unit's end of the line.
struct Pty {
    Pty() {
        int slave = -1;
        char name[256] = {};
        if (::openpty(&master, &slave, name, nullptr, nullptr) == 0) {
            ::close(slave);
            device = name;
        }
    }
    ~Pty() { ::close(master); }

    int master = -1;
    std::string device;
};

class FakeLink : public Serviced {
  public:
    explicit FakeLink(SerialPort& port) : port_(port) {}
    void Service() override {
        port_.TakeReceived(received);
        if (timerDue && clock.Now() >= *timerDue) {
            timerDue.reset();
            ++ticks;
        }
    }
    std::optional<Millis> NextTimerDue() const override { return timerDue; }

    SteadyClock clock;
    std::vector<uint8_t> received;
    std::optional<Millis> timerDue;
    int ticks = 0;

  private:
    SerialPort& port_;
};

template <typename P, typename W>
struct PortKind {
    using Port = P;
    using Pump = W;
};

// A port of the kind open on a fresh pseudo-terminal, with its pump over it.
template <typename Kind>
class PortOnPty : public ::testing::Test {
  protected:
    void SetUp() override {
        if (pty.device.empty())
            GTEST_SKIP() << "no pseudo-terminal available";
        PortCheck failure;
        ASSERT_TRUE(port.Open(pty.device, failure)) << failure.Error;
    }
    Pty pty;
    typename Kind::Port port;
    FakeLink link{port};
    typename Kind::Pump pump{port, link.clock, link};
};

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
    std::vector<uint8_t> got;
    uint8_t buffer[64];
    for (pollfd fd{this->pty.master, POLLIN, 0}; got.size() < 64 && ::poll(&fd, 1, 200) > 0;) {
        const ssize_t n = ::read(this->pty.master, buffer, sizeof buffer);
        if (n <= 0)
            break;
        got.insert(got.end(), buffer, buffer + n);
    }
    EXPECT_EQ(got, bytes);

    ASSERT_EQ(::write(this->pty.master, bytes.data(), bytes.size()), ssize_t(bytes.size()));
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
    ::close(std::exchange(this->pty.master, -1));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(this->pump.PumpUntil([] { return false; }, 5000), WaitResult::PortFailed);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_TRUE(this->port.Failed());
    EXPECT_EQ(this->port.ErrorText(), LineLostText(this->pty.device));
    EXPECT_FALSE(this->port.Write(1));
}

// A pseudo-terminal has no low-latency setting: the port asks, is refused, and works on.
TYPED_TEST_P(PortContract, OpensALineThatRefusesLowLatency) {
    EXPECT_TRUE(this->port.IsOpen());
    EXPECT_FALSE(this->port.LowLatency());
}

// Neither zoltctl's port nor a second port of the kind opens a line this one holds, even as
// root; once it is closed the line is free.
TYPED_TEST_P(PortContract, HoldsTheLineAgainstOtherProgramsUntilClosed) {
    const std::string& device = this->pty.device;
    const std::string inUse = CheckOf(device, EBUSY, "").Advice;
    PosixSerialPort other;
    typename TypeParam::Port same;
    PortCheck failure;
    EXPECT_FALSE(other.Open(device, failure));
    EXPECT_EQ(failure.Advice, inUse);
    failure = {};
    EXPECT_FALSE(same.Open(device, failure));
    EXPECT_EQ(failure.Advice, inUse);
    EXPECT_EQ(PortAvailable(device).Access, PortAccess::InUse);
    this->port.Close();
    EXPECT_TRUE(other.Open(device, failure)) << failure.Error;
}

// A device the user may not open says which group to join (a pseudo-terminal's is "tty").
TYPED_TEST_P(PortContract, RefusedPermissionSaysWhichGroupToJoin) {
    this->port.Close();
    ASSERT_EQ(::chmod(this->pty.device.c_str(), 0), 0);
    PortCheck failure;
    if (this->port.Open(this->pty.device, failure))
        GTEST_SKIP() << "running as root: the device cannot be denied";
    EXPECT_EQ(failure.Access, PortAccess::Denied);
    EXPECT_EQ(failure.Advice,
              CheckOf(this->pty.device, EACCES, DeviceGroup(this->pty.device)).Advice);
    EXPECT_NE(failure.Advice.find("usermod -aG"), std::string::npos) << failure.Advice;
}

REGISTER_TYPED_TEST_SUITE_P(PortContract, CarriesEveryByteValueBothWaysUntouched,
                            WaitsFireLinkTimersAndTimeOut, FarSideClosingFailsThePortAndEndsTheWait,
                            OpensALineThatRefusesLowLatency,
                            HoldsTheLineAgainstOtherProgramsUntilClosed,
                            RefusedPermissionSaysWhichGroupToJoin);

}  // namespace comm
