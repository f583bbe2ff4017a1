// What the speeds dialog shows and what its OK writes.
#include "hardware/BlockInputSpeeds.h"

#include <algorithm>

#include "hardware/TypedText.h"
#include "model/HardwareConfig.h"
#include "model/Program.h"

namespace hardware {

namespace {
constexpr int kSlowestSpeed = 255;  // a speed register holds one byte
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
    return texts_[row] = TypedSpeed(typed);
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
