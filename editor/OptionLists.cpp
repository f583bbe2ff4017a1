// Option list texts. Spelling and capitals are the controller manual's own.
#include "editor/OptionLists.h"

namespace editor {

const OptionItems& CompareOptions() {
    static const OptionItems items{"All On", "All Off", "Any On", "Any Off"};
    return items;
}

const OptionItems& InputStatusOptions() {
    static const OptionItems items{"For Status OFF", "For Status ON"};
    return items;
}

const OptionItems& VoltageOptions() {
    static const OptionItems items{"AT or ABOVE", "AT or BELOW"};
    return items;
}

const OptionItems& OutputStatusOptions() {
    static const OptionItems items{"For Status Off", "For Status On"};
    return items;
}

const OptionItems& OutputOptions(bool analog) {
    static const OptionItems digital{"Turn it ON", "Turn it OFF", "Limit on Time"};
    static const OptionItems withPercent{"Turn it ON", "Turn it OFF", "Limit on Time",
                                         "Set to  %",  "Increase  %", "Decrease  %"};
    return analog ? withPercent : digital;
}

const OptionItems& PageActionOptions() {
    static const OptionItems items{"Freeze It", "Thaw It", "Reset It", "Move to Line"};
    return items;
}

const OptionItems& PageLetters() {
    static const OptionItems items{"A", "B", "C", "D", "E", "F"};
    return items;
}

const OptionItems& TimerOptions() {
    static const OptionItems items{"Check if Off",  "Check if On",    "Freeze Timer",
                                   "Thaw Timer",    "Start Timer",    "Wait for Timer",
                                   "Display Timer", "Display Message"};
    return items;
}

const OptionItems& CounterOptions() {
    static const OptionItems items{"Increment Counter", "Decrement Counter", "check AT or ABOVE",
                                   "check AT or BELOW", "Reset Counter",     "Display Counter",
                                   "Display Message"};
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
