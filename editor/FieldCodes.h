// How the editor turns typed and picked numbers into parameter bytes, and bytes back into text.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace editor {

using LineCode = std::array<int32_t, 4>;  // F, P1, P2, P3

// The value of the last two characters of text read as hexadecimal digits (second-to-last
// x 16 + last); one character gives that digit, empty text gives 0. A character that is not a
// hexadecimal digit counts as 0, so the result always stays within 0..255.
int HexPairValue(std::string_view text);

// An I/O or message number 0..99 as the BCD byte the controller reads: 23 gives 0x23.
int BcdByte(int number);

// An analog percentage 0..100 as its byte: BCD up to 99, 100 as 0xA0 (160).
int PercentByte(int percent);

// The counter number a counter's P1 holds in its low four bits.
constexpr int CounterNumber(int p1) {
    return p1 & 0x0F;
}

// 0 for 0, 1 for any other value: the option index of a flag byte.
constexpr int Sign(int value) {
    return value == 0 ? 0 : 1;
}

}  // namespace editor
