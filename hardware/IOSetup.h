// The I/O setup dialog's working copy: which positions are fitted with how many inputs and
// outputs, which of blocks 10, 80 and 90 work as analog I/O, which modules are fitted; and what
// OK writes into the program. The dialog only shows it and forwards the user's choices.
#pragma once

#include <array>
#include <vector>

#include "model/HardwareConfig.h"

namespace model {
class Program;
}

namespace hardware {

struct BlockChoice {
    bool Installed = false;
    int Inputs = 0;  // 0..8; an unfitted position shows none and stores 0
    int Outputs = 0;
    bool Analog = false;  // blocks 10, 80 and 90 only
};

enum class Module { Timer, Counter };

class IOSetup {
  public:
    // Fills the choices from the registers. The dialog does so once, when it opens: choices not
    // yet confirmed survive a trip to the names or speeds dialog.
    explicit IOSetup(const model::Program& program);

    const BlockChoice& Block(int position) const { return blocks_[position]; }
    bool ModuleInstalled(Module module) const { return modules_[Index(module)]; }

    // The block box: checking shows the stored counts and analog choice again, unchecking
    // leaves no counts and no analog choice.
    void SetInstalled(int position, bool installed);
    void SetInputs(int position, int count);
    void SetOutputs(int position, int count);
    // Ignored for a position without an analog option or with its box unchecked.
    void SetAnalog(int position, bool analog);
    void SetModuleInstalled(Module module, bool installed);

    // The modules OK would clear while they hold settings other than a new program's: the
    // dialog asks before it confirms.
    std::vector<Module> RemovalsToConfirm() const;

    // OK: the counts and analog bytes of every position, the module registers (8 for a fitted
    // module; a removed one's settings, names and messages back to a new program's), the names
    // of every unfitted position back to their numbers, and the program marked changed. The
    // caller then refreshes the I/O lists.
    void Apply(model::Program& program) const;

  private:
    static int Index(Module module) { return module == Module::Timer ? 0 : 1; }

    const model::Program& stored_;
    std::array<BlockChoice, model::kPositionCount> blocks_{};
    std::array<bool, 2> modules_{};
};

}  // namespace hardware
