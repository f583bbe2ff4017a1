// A pseudo-terminal standing in for the unit's end of the line, and a stand-in link session
// that only collects bytes and fires one timer, for tests of ports and pumps.
#pragma once

#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "link/EventPump.h"
#include "link/SerialPort.h"

namespace comm {

// The far end of the line: the master side of a pseudo-terminal.
class Pty {
  public:
    Pty() {
        int slave = -1;
        char name[256] = {};
        if (::openpty(&master_, &slave, name, nullptr, nullptr) == 0) {
            ::close(slave);
            device_ = name;
        }
    }
    ~Pty() { CloseMaster(); }
    const std::string& Device() const { return device_; }
    void Send(std::vector<uint8_t> bytes) const {
        ASSERT_EQ(::write(master_, bytes.data(), bytes.size()), ssize_t(bytes.size()));
    }
    std::vector<uint8_t> ReadAll() const {
        std::vector<uint8_t> bytes;
        uint8_t buffer[64];
        for (int tries = 0; tries < 100; ++tries) {
            pollfd fd{master_, POLLIN, 0};
            if (::poll(&fd, 1, bytes.empty() ? 200 : 20) <= 0)
                break;
            const ssize_t n = ::read(master_, buffer, sizeof buffer);
            if (n <= 0)
                break;
            bytes.insert(bytes.end(), buffer, buffer + n);
        }
        return bytes;
    }
    void CloseMaster() {
        if (master_ >= 0)
            ::close(master_);
        master_ = -1;
    }

  private:
    int master_ = -1;
    std::string device_;
};

// Counts services and, when asked, fires a timer of its own.
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

// A port of type P open on a fresh pseudo-terminal, with a pump of type W over it.
template <typename P, typename W>
struct PortKind {
    using Port = P;
    using Pump = W;
};

template <typename Kind>
class PortOnPty : public ::testing::Test {
  protected:
    void SetUp() override {
        if (pty.Device().empty())
            GTEST_SKIP() << "no pseudo-terminal available";
        std::string error;
        ASSERT_TRUE(port.Open(pty.Device(), error)) << error;
    }
    Pty pty;
    typename Kind::Port port;
    FakeLink link{port};
    typename Kind::Pump pump{port, link.clock, link};
};

}  // namespace comm
