// The names dialog's working copy: the names of the eight inputs and eight outputs of one
// position, fitted or not, and what its OK writes.
#pragma once

#include <array>
#include <string>

#include "model/HardwareConfig.h"
#include "model/IOTables.h"

namespace model {
class Program;
}

namespace hardware {

class BlockIONames {
  public:
    BlockIONames(const model::Program& program, int position);

    // "MCU Inputs and Outputs", or "Block  10   Inputs and Outputs" for a block.
    std::string Heading() const;
    // The I/O number of row 0..7.
    int Number(int row) const;
    const std::string& Name(int row, model::Direction d) const { return names_[row][d]; }
    // Stores what the field may hold of `typed` and returns it.
    const std::string& SetName(int row, model::Direction d, const std::string& typed);

    // OK: every name exactly as shown, blanks kept (an empty name shows as the number). Marks the
    // program changed when a name differs from what it held; returns whether one did.
    bool Apply(model::Program& program) const;

  private:
    int position_;
    std::array<std::array<std::string, 2>, model::kMostPerBlock> names_;
};

}  // namespace hardware
