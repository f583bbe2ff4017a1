// What the timer panel window and the counter panel window show differently: names, captions
// and their option controls. Both are drawn by PanelWindow from one of these.
#pragma once

#include <vector>

#include "panels/PanelEditor.h"

namespace panels {

// One control of an option frame: a radio button that stores `On` when chosen, or a check box
// that stores whether it is checked.
struct OptionControl {
    bool CheckBox;
    const char* Name;
    int Index;  // radio buttons: 1 for the choice that sets the option, 0 for the one that clears
    const char* Caption;
    PanelOption Option;
};

struct OptionFrame {
    const char* Name;
    const char* Caption;
    std::vector<OptionControl> Controls;
};

struct PanelWindowLayout {
    const PanelKind& Kind;
    const char* WindowName;  // frmRTPWindow
    const char* Title;
    const char* Prefix;     // "Tmr": txtTmrName, optTmrNum, cmdTmrOK ...
    const char* ValueWord;  // "Time": "Set Time"
    int ValueLength;        // characters a value field holds
    std::vector<OptionFrame> Options;
};

const PanelWindowLayout& TimerWindowLayout();
const PanelWindowLayout& CounterWindowLayout();

}  // namespace panels
