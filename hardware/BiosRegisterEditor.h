// The BIOS registers dialog's decisions: which register is chosen and what an edit of one of
// its four bytes writes. There is no working copy: every accepted edit goes into the program at
// once, as the controller's own register editor does.
#pragma once

#include <string>

namespace model {
class Program;
}

namespace hardware {

class BiosRegisterEditor {
  public:
    // Registers above 125 hold the controller's own data and are not offered.
    static constexpr int kFirst = 1;
    static constexpr int kLast = 125;
    static constexpr int kSmallStep = 1;
    static constexpr int kLargeStep = 5;

    explicit BiosRegisterEditor(model::Program& program) : program_(program) {}

    // Chooses a register, kept within kFirst..kLast.
    void Choose(int reg);
    int Chosen() const { return chosen_; }
    // Byte 0..3 (A..D) of the chosen register in decimal.
    std::string Text(int byte) const;

    // The user changed byte 0..3's field to `text` (digits only; empty counts as 0). A value up
    // to 255 is written and marks the program changed; a larger one writes nothing. Returns the
    // text the field must show: `text` itself, or the stored value when it was refused.
    std::string Edit(int byte, const std::string& text);

  private:
    model::Program& program_;
    int chosen_ = kFirst;
};

}  // namespace hardware
