// The sample program's blocks, modules, I/O names and input speeds.
#include "tools/demo/Hardware.h"

#include "hardware/BlockIONames.h"
#include "hardware/BlockInputSpeeds.h"
#include "hardware/IOSetup.h"
#include "model/HardwareConfig.h"
#include "model/Program.h"
#include "tools/demo/Plant.h"

namespace demo {

namespace {

using model::kInput;
using model::kOutput;

struct Fitting {
    int Position;  // BlockIndex: 0 the MCU, 2 block 20, 9 block 90
    int Inputs;
    int Outputs;
    bool Analog;
};

constexpr Fitting kFittings[] = {
    {0, 8, 8, false},
    {2, 7, 2, false},
    {9, 2, 2, true},
};

struct IOName {
    int Number;
    model::Direction Dir;
    const char* Name;
};

constexpr IOName kNames[] = {
    {in::kStart, kInput, "START"},        {in::kStop, kInput, "STOP"},
    {in::kEStop, kInput, "E-STOP"},       {in::kGuard, kInput, "GUARD"},
    {in::kBtlFill, kInput, "BTL-FILL"},   {in::kBtlCap, kInput, "BTL-CAP"},
    {in::kCapsLow, kInput, "CAPS-LOW"},   {in::kBtlJam, kInput, "BTL-JAM"},
    {in::kNozUp, kInput, "NOZ-UP"},       {in::kNozDown, kInput, "NOZ-DOWN"},
    {in::kCapOk, kInput, "CAP-OK"},       {in::kAirOk, kInput, "AIR-OK"},
    {in::kPalChg, kInput, "PAL-CHG"},     {in::kSample, kInput, "SAMPLE"},
    {in::kStart2, kInput, "START-2"},     {in::kTankLvl, kInput, "TANK-LVL"},
    {in::kPressure, kInput, "PRESSURE"},  {out::kConveyor, kOutput, "CONVEYOR"},
    {out::kNozLwr, kOutput, "NOZ-LWR"},   {out::kCapFeed, kOutput, "CAPFEED"},
    {out::kCapper, kOutput, "CAPPER"},    {out::kReject, kOutput, "REJECT"},
    {out::kGreen, kOutput, "GREEN"},      {out::kAlarm, kOutput, "ALARM"},
    {out::kHorn, kOutput, "HORN"},        {out::kBeacon, kOutput, "BEACON"},
    {out::kSupply, kOutput, "SUPPLY"},    {out::kFillPmp, kOutput, "FILL-PMP"},
    {out::kConvSpd, kOutput, "CONV-SPD"},
};

// Bottle sensors answer within 5 ms so that a bottle passing at full speed is seen; the key
// switches wait 50 ms for their contacts to settle.
struct InputSpeed {
    int Input;
    const char* Milliseconds;
};

constexpr InputSpeed kSpeeds[] = {
    {in::kBtlFill, "5"},
    {in::kBtlCap, "5"},
    {in::kPalChg, "50"},
    {in::kSample, "50"},
};

int PositionOf(int number) {
    return number / 10;
}

int RowOf(int number) {
    return number % 10 - 1;
}

void FitBlocks(model::Program& program) {
    hardware::IOSetup setup(program);
    for (const Fitting& f : kFittings) {
        setup.SetInstalled(f.Position, true);
        setup.SetInputs(f.Position, f.Inputs);
        setup.SetOutputs(f.Position, f.Outputs);
        setup.SetAnalog(f.Position, f.Analog);
    }
    setup.SetModuleInstalled(hardware::Module::Timer, true);
    setup.SetModuleInstalled(hardware::Module::Counter, true);
    setup.Apply(program);
    model::RebuildIOType(program);
}

std::string NameBlock(model::Program& program, int position) {
    hardware::BlockIONames names(program, position);
    for (const IOName& n : kNames) {
        if (PositionOf(n.Number) == position &&
            names.SetName(RowOf(n.Number), n.Dir, n.Name) != n.Name) {
            return std::string("the names dialog does not take ") + n.Name;
        }
    }
    names.Apply(program);
    return std::string();
}

std::string SetSpeeds(model::Program& program, int position) {
    hardware::BlockInputSpeeds speeds(program, position);
    for (const InputSpeed& s : kSpeeds) {
        if (PositionOf(s.Input) == position &&
            speeds.SetText(RowOf(s.Input), s.Milliseconds) != s.Milliseconds) {
            return std::string("the input speed dialog does not take ") + s.Milliseconds;
        }
    }
    speeds.Apply(program);
    return std::string();
}

}  // namespace

std::string SetUpHardware(model::Program& program) {
    FitBlocks(program);
    for (const Fitting& f : kFittings) {
        std::string error = NameBlock(program, f.Position);
        if (error.empty())
            error = SetSpeeds(program, f.Position);
        if (!error.empty())
            return error;
    }
    return std::string();
}

}  // namespace demo
