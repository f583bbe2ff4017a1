// Option list texts. Spelling and capitals are the controller manual's own.
#include "editor/OptionLists.h"

namespace editor {

const OptionItems& OptionTexts(model::FunctionGroup group) {
    using G = model::FunctionGroup;
    static const OptionItems checkInput{"For Status OFF", "For Status ON", "AT or ABOVE",
                                        "AT or BELOW"};
    static const OptionItems compare{"All On", "All Off", "Any On", "Any Off"};
    static const OptionItems output{"Turn it ON", "Turn it OFF", "Limit on Time",
                                    "Set to  %",  "Increase  %", "Decrease  %"};
    static const OptionItems checkOutput{"For Status Off", "For Status On"};
    static const OptionItems pageActions{"Freeze It", "Thaw It", "Reset It", "Move to Line"};
    static const OptionItems timer{"Check if Off",  "Check if On",    "Freeze Timer",
                                   "Thaw Timer",    "Start Timer",    "Wait for Timer",
                                   "Display Timer", "Display Message"};
    static const OptionItems counter{"Increment Counter", "Decrement Counter", "check AT or ABOVE",
                                     "check AT or BELOW", "Reset Counter",     "Display Counter",
                                     "Display Message"};
    static const OptionItems none;
    switch (group) {
        case G::CheckInput:
            return checkInput;
        case G::CompareInputs:
            return compare;
        case G::Output:
            return output;
        case G::CheckOutput:
            return checkOutput;
        case G::ControlPage:
            return pageActions;
        case G::Timer:
            return timer;
        case G::Counter:
            return counter;
        default:
            return none;
    }
}

const OptionItems& PageLetters() {
    static const OptionItems items{"A", "B", "C", "D", "E", "F"};
    return items;
}

const OptionItems& JumpOptions() {
    static const OptionItems items{"If Not, Do NOT Move", "If Not, Move to Line"};
    return items;
}

const OptionItems& DisplayOptions() {
    static const OptionItems items{"Do not Display", "and Display it"};
    return items;
}

}  // namespace editor
