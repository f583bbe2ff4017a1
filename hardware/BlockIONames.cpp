// What the names dialog shows and what its OK writes.
#include "hardware/BlockIONames.h"

#include "hardware/TypedText.h"
#include "model/HardwareConfig.h"
#include "model/Program.h"

namespace hardware {

BlockIONames::BlockIONames(const model::Program& program, int position) : position_(position) {
    for (int row = 0; row < model::kMostPerBlock; ++row)
        names_[row] = program.IOName[Number(row)];
}

std::string BlockIONames::Heading() const {
    if (position_ == 0)
        return "MCU Inputs and Outputs";
    return "Block  " + std::to_string(model::BlockPositions()[position_].Base) +
           "   Inputs and Outputs";
}

int BlockIONames::Number(int row) const {
    return model::IONumber(position_, row + 1);
}

const std::string& BlockIONames::SetName(int row, model::Direction d, const std::string& typed) {
    return names_[row][d] = TypedName(typed);
}

bool BlockIONames::Apply(model::Program& program) const {
    bool changed = false;
    for (int row = 0; row < model::kMostPerBlock; ++row) {
        auto& stored = program.IOName[Number(row)];
        changed = changed || stored != names_[row];
        stored = names_[row];
    }
    program.PgmChanged = program.PgmChanged || changed;
    return changed;
}

}  // namespace hardware
