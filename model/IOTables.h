// Names of the inputs and outputs, and their kinds derived from the configuration registers.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace model {

constexpr int kIONumberCount = 101;  // I/O numbers 0..100

enum Direction { kInput = 0, kOutput = 1 };

// IOName(k, d): column 0 inputs, column 1 outputs. Windows-1252 text.
using IONameTable = std::array<std::array<std::string, 2>, kIONumberCount>;

// IOType(k, d): 0 not installed, 1 digital, 2 analog.
enum IOKind : int16_t { kNotInstalled = 0, kDigital = 1, kAnalog = 2 };
using IOTypeTable = std::array<std::array<int16_t, 2>, kIONumberCount>;

// Every name set to the decimal text of its number.
IONameTable DefaultIONames();

}  // namespace model
