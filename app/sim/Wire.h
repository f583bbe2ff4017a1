// What travels on the emulated serial line: bytes with the speed they go at.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>

namespace sim {

using Time = std::chrono::steady_clock::time_point;

constexpr int kLowBaud = 9600;
constexpr int kHighBaud = 19200;

// A byte the unit sends, and the line speed it is sent at (it changes after a speed request).
struct WireByte {
    uint8_t Value = 0;
    int Baud = kLowBaud;
};

// Time one byte takes on the line: start bit, eight data bits, stop bit.
constexpr std::chrono::nanoseconds ByteTime(int baud) {
    return std::chrono::nanoseconds(10'000'000'000LL / baud);
}

}  // namespace sim
