// What the fields of the hardware dialogs may hold of what the user types or pastes.
#pragma once

#include <string>

namespace hardware {

constexpr int kNameLength = 8;
constexpr int kSpeedDigits = 3;
constexpr int kRegisterByteDigits = 3;

// A name: double quotes dropped (the program file quotes its names), at most eight characters.
std::string TypedName(const std::string& text);
// An input speed in milliseconds: digits only, at most three.
std::string TypedSpeed(const std::string& text);
// A BIOS register byte: digits only, at most three. No minus sign: the controller reads a byte.
std::string TypedRegisterByte(const std::string& text);

}  // namespace hardware
