// What an edit in the BIOS registers dialog writes.
#include "hardware/BiosRegisterEditor.h"

#include <algorithm>

#include "hardware/TypedText.h"
#include "model/Program.h"

namespace hardware {

namespace {
constexpr int kLargestByte = 255;
}

void BiosRegisterEditor::Choose(int reg) {
    chosen_ = std::clamp(reg, kFirst, kLast);
}

std::string BiosRegisterEditor::Text(int byte) const {
    return std::to_string(program_.RegisterByte(chosen_, byte));
}

std::string BiosRegisterEditor::Edit(int byte, const std::string& text) {
    const std::string digits = TypedRegisterByte(text);
    const int value = digits.empty() ? 0 : std::stoi(digits);
    if (value > kLargestByte)
        return Text(byte);
    program_.SetRegisterByte(chosen_, byte, value);
    program_.PgmChanged = true;
    return digits;
}

}  // namespace hardware
