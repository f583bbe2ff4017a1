// What travels on the emulated serial line: bytes with the speed they go at, and the 8-bit sum.
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

// (bytes[0] + ... + bytes[count - 1]) mod 256: the checksum of frames and identifications.
inline uint8_t Sum8(const uint8_t* bytes, std::size_t count) {
    unsigned sum = 0;
    for (std::size_t i = 0; i < count; ++i)
        sum += bytes[i];
    return static_cast<uint8_t>(sum & 0xFF);
}

}  // namespace sim
