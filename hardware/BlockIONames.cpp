// What the names dialog shows and what its OK writes.
#include "hardware/BlockIONames.h"

#include <algorithm>

#include "model/HardwareConfig.h"
#include "model/Program.h"

namespace hardware {

std::string TypedName(const std::string& text) {
    std::string name;
    std::copy_if(text.begin(), text.end(), std::back_inserter(name),
                 [](char c) { return c != '"'; });
    name.resize(std::min<size_t>(name.size(), kNameLength));
    return name;
}

BlockIONames::BlockIONames(const model::Program& program, int position) : position_(position) {
    for (int row = 0; row < kRowsPerBlock; ++row)
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
    for (int row = 0; row < kRowsPerBlock; ++row) {
        auto& stored = program.IOName[Number(row)];
        changed = changed || stored != names_[row];
        stored = names_[row];
    }
    program.PgmChanged = program.PgmChanged || changed;
    return changed;
}

}  // namespace hardware
