// What the I/O setup dialog shows and what its OK writes.
#include "hardware/IOSetup.h"

#include <algorithm>

#include "model/PanelTables.h"
#include "model/Program.h"

namespace hardware {

namespace {

const model::BlockPosition& Position(int position) {
    return model::BlockPositions()[position];
}

bool HasAnalogOption(int position) {
    return Position(position).AnalogOption >= 0;
}

// A module's tables, and what a new program holds in them.
struct ModulePlace {
    int Register;
    const char* EntryWord;
    model::PanelTables model::Program::*Tables;
};

const ModulePlace& PlaceOf(Module module) {
    static const ModulePlace timer{model::kTimerModuleRegister, "Timer", &model::Program::Tmr};
    static const ModulePlace counter{model::kCounterModuleRegister, "Counter",
                                     &model::Program::Ctr};
    return module == Module::Timer ? timer : counter;
}

}  // namespace

IOSetup::IOSetup(const model::Program& program) : stored_(program) {
    for (int p = 0; p < model::kPositionCount; ++p) {
        const model::PgmRecord& reg = program.Register(Position(p).ConfigRegister);
        SetInstalled(p, reg.Code[0] + reg.Code[1] != 0);
    }
    for (Module module : {Module::Timer, Module::Counter})
        modules_[Index(module)] = program.RegisterByte(PlaceOf(module).Register, 0) != 0;
}

void IOSetup::SetInstalled(int position, bool installed) {
    BlockChoice& block = blocks_[position];
    block = {};
    block.Installed = installed;
    if (!installed)
        return;
    const model::PgmRecord& reg = stored_.Register(Position(position).ConfigRegister);
    block.Inputs = std::clamp<int>(reg.Code[0], 0, model::kMostPerBlock);
    block.Outputs = std::clamp<int>(reg.Code[1], 0, model::kMostPerBlock);
    block.Analog = HasAnalogOption(position) && reg.Code[2] != 0;
}

void IOSetup::SetInputs(int position, int count) {
    if (blocks_[position].Installed)
        blocks_[position].Inputs = std::clamp(count, 0, model::kMostPerBlock);
}

void IOSetup::SetOutputs(int position, int count) {
    if (blocks_[position].Installed)
        blocks_[position].Outputs = std::clamp(count, 0, model::kMostPerBlock);
}

void IOSetup::SetAnalog(int position, bool analog) {
    if (blocks_[position].Installed && HasAnalogOption(position))
        blocks_[position].Analog = analog;
}

void IOSetup::SetModuleInstalled(Module module, bool installed) {
    modules_[Index(module)] = installed;
}

std::vector<Module> IOSetup::RemovalsToConfirm() const {
    std::vector<Module> asked;
    for (Module module : {Module::Timer, Module::Counter}) {
        const ModulePlace& place = PlaceOf(module);
        if (!ModuleInstalled(module) &&
            !(stored_.*place.Tables == model::DefaultPanelTables(place.EntryWord)))
            asked.push_back(module);
    }
    return asked;
}

void IOSetup::Apply(model::Program& program) const {
    const model::IONameTable defaults = model::DefaultIONames();
    for (int p = 0; p < model::kPositionCount; ++p) {
        const BlockChoice& block = blocks_[p];
        const int reg = Position(p).ConfigRegister;
        program.SetRegisterByte(reg, 0, block.Inputs);
        program.SetRegisterByte(reg, 1, block.Outputs);
        if (HasAnalogOption(p))
            program.SetRegisterByte(reg, 2, block.Analog ? 1 : 0);
        // Names belong to fitted inputs and outputs: an unfitted position's go back to numbers.
        if (!block.Installed) {
            for (int k = Position(p).Base; k <= Position(p).Base + 9; ++k)
                program.IOName[k] = defaults[k];
        }
    }
    for (Module module : {Module::Timer, Module::Counter}) {
        const ModulePlace& place = PlaceOf(module);
        const bool fitted = ModuleInstalled(module);
        program.SetRegisterByte(place.Register, 0, fitted ? model::kModuleInstalled : 0);
        if (!fitted)
            program.*place.Tables = model::DefaultPanelTables(place.EntryWord);
    }
    program.PgmChanged = true;
}

}  // namespace hardware
