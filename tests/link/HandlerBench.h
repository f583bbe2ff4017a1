// The receive handler on its own: fed bytes and ticks by the test, writing to a host that
// records what goes out and how tmrComm is set.
#pragma once

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "link/ReceiveHandler.h"
#include "tests/link/RecordingObserver.h"

namespace linktest {

using Bytes = std::vector<uint8_t>;

class FakeHost : public comm::ReceiveHost {
  public:
    void SendByte(uint8_t byte) override { Sent.push_back(byte); }
    void StartCommTimer(comm::Millis interval) override { Timer = interval; }
    void StopCommTimer() override { Timer = 0; }
    bool CommTimerRunning() const override { return Timer != 0; }
    void SetLineSpeed(int baud) override { Baud = baud; }

    Bytes Sent;
    comm::Millis Timer = 0;  // the interval tmrComm was started with; 0 while it is stopped
    int Baud = 9600;
};

class HandlerTest : public ::testing::Test {
  protected:
    HandlerTest() : handler(host, seen) { handler.Reset(); }

    void Feed(const Bytes& bytes) {
        for (uint8_t b : bytes)
            handler.Receive(b);
    }
    // tmrComm runs out.
    void Tick() {
        ASSERT_NE(host.Timer, 0) << "tmrComm is not running";
        host.Timer = 0;
        handler.CommTick();
    }
    // What went out since the last call.
    Bytes Sent() { return std::exchange(host.Sent, {}); }
    comm::CommStateWord State() const { return handler.State().CommState; }

    FakeHost host;
    RecordingObserver seen;
    comm::ReceiveHandler handler;
};

}  // namespace linktest
