// The toolbar's button table.
#include "editor/Toolbar.h"

#include <cstring>

#include "editor/FieldCodes.h"
#include "model/HardwareConfig.h"

namespace editor {

namespace {

using model::FunctionGroup;

constexpr int kTimerButton = 9;
constexpr int kCounterButton = 10;

// The line each group starts with. P3 is always 0; an I/O is the first of its list, in BCD.
enum class Start { None, FirstInput, SecondInput, FirstOutput };
struct DefaultLine {
    int F;
    int P1;
    Start P1From;
    int P2;
    Start P2From;
};

const std::array<DefaultLine, kToolbarButtonCount>& Defaults() {
    static const std::array<DefaultLine, kToolbarButtonCount> defaults{{
        {0, 0, Start::None, 0, Start::None},
        {1, 0, Start::FirstInput, 1, Start::None},
        {2, 0, Start::FirstInput, 0, Start::SecondInput},
        {255, 0, Start::FirstOutput, 0, Start::None},
        {8, 0, Start::FirstOutput, 1, Start::None},
        {9, 0, Start::None, 0, Start::None},
        {10, 0, Start::None, 0, Start::None},
        {11, 1, Start::None, 1, Start::None},
        {32, 161, Start::None, 0, Start::None},
        {34, 1, Start::None, 0, Start::None},
        {12, 0, Start::None, 0, Start::None},
    }};
    return defaults;
}

int StartValue(int fixed, Start from, const FirstIO& first) {
    switch (from) {
        case Start::FirstInput:
            return BcdByte(first.Input0);
        case Start::SecondInput:
            return BcdByte(first.Input1);
        case Start::FirstOutput:
            return BcdByte(first.Output);
        case Start::None:
            break;
    }
    return fixed;
}

}  // namespace

const std::array<ToolbarButton, kToolbarButtonCount>& ToolbarButtons() {
    static const std::array<ToolbarButton, kToolbarButtonCount> buttons{{
        {"1a", "Blank", ":/editor/icons/blank.svg", FunctionGroup::Blank},
        {"2a", "Check Input", ":/editor/icons/check-input.svg", FunctionGroup::CheckInput},
        {"3a", "Compare Inputs", ":/editor/icons/compare-inputs.svg", FunctionGroup::CompareInputs},
        {"4a", "Output", ":/editor/icons/output.svg", FunctionGroup::Output},
        {"5a", "Check Output", ":/editor/icons/check-output.svg", FunctionGroup::CheckOutput},
        {"6a", "Wait", ":/editor/icons/wait.svg", FunctionGroup::Wait},
        {"7a", "Repeat Lines", ":/editor/icons/repeat-lines.svg", FunctionGroup::RepeatLines},
        {"8a", "Control a Page", ":/editor/icons/control-page.svg", FunctionGroup::ControlPage},
        {"9a", "Timer", ":/editor/icons/timer.svg", FunctionGroup::Timer},
        {"10a", "Counter", ":/editor/icons/counter.svg", FunctionGroup::Counter},
        {"11a", "End Page", ":/editor/icons/end-page.svg", FunctionGroup::EndPage},
    }};
    return buttons;
}

int ButtonOfKey(const char* key) {
    for (int b = 0; b < kToolbarButtonCount; ++b) {
        if (std::strcmp(ToolbarButtons()[b].Key, key) == 0)
            return b + 1;
    }
    return 0;
}

LineCode ToolbarDefault(int button, const FirstIO& first) {
    const DefaultLine& line = Defaults().at(button - 1);
    return {line.F, StartValue(line.P1, line.P1From, first),
            StartValue(line.P2, line.P2From, first), 0};
}

std::array<bool, kToolbarButtonCount> ToolbarEnabled(const model::Program& program, int curLine) {
    std::array<bool, kToolbarButtonCount> enabled;
    enabled.fill(true);
    enabled[kRepeatLinesButton - 1] = RepeatLinesAllowed(curLine);
    enabled[kTimerButton - 1] = model::TimerModuleInstalled(program);
    enabled[kCounterButton - 1] = model::CounterModuleInstalled(program);
    return enabled;
}

}  // namespace editor
