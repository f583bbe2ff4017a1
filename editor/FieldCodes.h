// How the editor turns picked and typed numbers into parameter bytes.
#pragma once

#include <array>
#include <cstdint>

namespace editor {

using LineCode = std::array<int32_t, 4>;  // F, P1, P2, P3

// An I/O or message number as the BCD byte the controller reads: its last two decimal digits
// as hexadecimal digits, so 23 gives 0x23.
constexpr int BcdByte(int number) {
    return (number / 10 % 10) * 16 + number % 10;
}

// An analog percentage 0..100 as its byte: BCD up to 99, 100 as 0xA0 (160).
constexpr int PercentByte(int percent) {
    return (percent / 10) * 16 + percent % 10;
}

// The counter number a counter's P1 holds in its low four bits.
constexpr int CounterNumber(int p1) {
    return p1 & 0x0F;
}

// 0 for 0, 1 for any other value: the option index of a flag byte.
constexpr int Sign(int value) {
    return value == 0 ? 0 : 1;
}

}  // namespace editor
