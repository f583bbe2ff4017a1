// Option list texts. Spelling and capitals are the controller manual's own.
#include "editor/OptionLists.h"

#include <map>

namespace editor {

const OptionItems& OptionTexts(model::FunctionGroup group) {
    using G = model::FunctionGroup;
    static const std::map<G, OptionItems> options{
        {G::CheckInput, {"For Status OFF", "For Status ON", "AT or ABOVE", "AT or BELOW"}},
        {G::CompareInputs, {"All On", "All Off", "Any On", "Any Off"}},
        {G::Output,
         {"Turn it ON", "Turn it OFF", "Limit on Time", "Set to  %", "Increase  %", "Decrease  %"}},
        {G::CheckOutput, {"For Status Off", "For Status On"}},
        {G::ControlPage, {"Freeze It", "Thaw It", "Reset It", "Move to Line"}},
        {G::Timer,
         {"Check if Off", "Check if On", "Freeze Timer", "Thaw Timer", "Start Timer",
          "Wait for Timer", "Display Timer", "Display Message"}},
        {G::Counter,
         {"Increment Counter", "Decrement Counter", "check AT or ABOVE", "check AT or BELOW",
          "Reset Counter", "Display Counter", "Display Message"}},
    };
    static const OptionItems none;
    const auto found = options.find(group);
    return found != options.end() ? found->second : none;
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
