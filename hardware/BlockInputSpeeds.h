// The speeds dialog's working copy: the input speed of each of the eight inputs of one
// position, in milliseconds, as its fields show it, and what its OK writes.
#pragma once

#include <array>
#include <string>

#include "model/HardwareConfig.h"

namespace model {
class Program;
}

namespace hardware {

class BlockInputSpeeds {
  public:
    BlockInputSpeeds(const model::Program& program, int position);

    // "MCU Inputs", or "Block 10 Inputs" for a block.
    std::string Heading() const;
    // The input number of row 0..7.
    int Number(int row) const;
    const std::string& Text(int row) const { return texts_[row]; }
    // Stores what the field may hold of `typed` and returns it.
    const std::string& SetText(int row, const std::string& typed);

    // OK: each field's value into byte A of its speed register; an empty field stores 0, a
    // value above 255 stores 255. Marks the program changed when a speed differs from what it
    // held; returns whether one did.
    bool Apply(model::Program& program) const;

  private:
    int SpeedRegister(int row) const;

    int position_;
    std::array<std::string, model::kMostPerBlock> texts_;
};

}  // namespace hardware
