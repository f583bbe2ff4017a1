// The receive handler on its own: fed bytes and ticks by the test, writing to the test as its
// host, which records what goes out and how tmrComm is set.
#pragma once

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "link/ReceiveHandler.h"
#include "tests/link/RecordingObserver.h"

namespace linktest {

using Bytes = std::vector<uint8_t>;

class HandlerTest : public ::testing::Test, public comm::ReceiveHost {
  protected:
    HandlerTest() : handler(*this, seen) { handler.Reset(); }

    void SendByte(uint8_t byte) override { sent_.push_back(byte); }
    void StartCommTimer(comm::Millis interval) override { timer = interval; }
    void StopCommTimer() override { timer = 0; }
    bool CommTimerRunning() const override { return timer != 0; }
    void SetLineSpeed(int lineBaud) override { baud = lineBaud; }

    void Feed(const Bytes& bytes) {
        for (uint8_t b : bytes)
            handler.Receive(b);
    }
    // tmrComm runs out.
    void Tick() {
        ASSERT_NE(timer, 0) << "tmrComm is not running";
        timer = 0;
        handler.CommTick();
    }
    // What went out since the last call.
    Bytes Sent() { return std::exchange(sent_, {}); }
    comm::CommStateWord State() const { return handler.State().CommState; }

    comm::Millis timer = 0;  // the interval tmrComm was started with; 0 while it is stopped
    int baud = 9600;
    RecordingObserver seen;
    comm::ReceiveHandler handler;

  private:
    Bytes sent_;
};

}  // namespace linktest
