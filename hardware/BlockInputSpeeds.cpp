// What the speeds dialog shows and what its OK writes.
#include "hardware/BlockInputSpeeds.h"

#include <algorithm>
#include <cctype>

#include "model/HardwareConfig.h"
#include "model/Program.h"

namespace hardware {

std::string TypedDigits(const std::string& text, int most) {
    std::string digits;
    for (char c : text) {
        if (std::isdigit(static_cast<unsigned char>(c)) && static_cast<int>(digits.size()) < most)
            digits += c;
    }
    return digits;
}

BlockInputSpeeds::BlockInputSpeeds(const model::Program& program, int position)
    : position_(position) {
    for (int row = 0; row < static_cast<int>(texts_.size()); ++row)
        texts_[row] = std::to_string(program.RegisterByte(SpeedRegister(row), 0));
}

std::string BlockInputSpeeds::Heading() const {
    if (position_ == 0)
        return "MCU Inputs";
    return "Block " + std::to_string(model::BlockPositions()[position_].Base) + " Inputs";
}

int BlockInputSpeeds::Number(int row) const {
    return model::IONumber(position_, row + 1);
}

int BlockInputSpeeds::SpeedRegister(int row) const {
    return model::BlockPositions()[position_].ConfigRegister + row + 1;
}

const std::string& BlockInputSpeeds::SetText(int row, const std::string& typed) {
    return texts_[row] = TypedDigits(typed, kSpeedDigits);
}

bool BlockInputSpeeds::Apply(model::Program& program) const {
    bool changed = false;
    for (int row = 0; row < static_cast<int>(texts_.size()); ++row) {
        const int speed = texts_[row].empty() ? 0 : std::min(std::stoi(texts_[row]), kSlowestSpeed);
        changed = changed || program.RegisterByte(SpeedRegister(row), 0) != speed;
        program.SetRegisterByte(SpeedRegister(row), 0, speed);
    }
    program.PgmChanged = program.PgmChanged || changed;
    return changed;
}

}  // namespace hardware
