// The timer and counter panel windows' own names, captions and options.
#include "panels/qt/PanelWindowLayout.h"

namespace panels {

const PanelWindowLayout& TimerWindowLayout() {
    static const PanelWindowLayout layout{
        TimerPanel(),
        "frmRTPWindow",
        " Zolt RTP Programmer",
        "Tmr",
        "Time",
        8,
        {{"fraTmrDisp",
          "Display Timer as",
          {{false, "optTmrDisp", 1, "Set Time (fixed)", PanelOption::Bit6},
           {false, "optTmrDisp", 0, "Time Left (running)", PanelOption::Bit6}}},
         {"fraTmrAdjSave",
          "Save Adjustments",
          {{false, "optTmrAdjSave", 1, "Yes (adjustments are permanent)", PanelOption::Bit7},
           {false, "optTmrAdjSave", 0, "No (adjustments are temporary)", PanelOption::Bit7}}}}};
    return layout;
}

const PanelWindowLayout& CounterWindowLayout() {
    static const PanelWindowLayout layout{
        CounterPanel(),
        "frmRCPWindow",
        " Zolt RCP Programmer",
        "Ctr",
        "Count",
        5,
        {{"fraCtrRembr",
          "Remember ",
          {{true, "chkCtrRemCtr", 0, "Count", PanelOption::CountRemembered},
           {true, "chkCtrRemChg", 0, "Changes", PanelOption::Bit7}}},
         {"fraCtrReset",
          "Allow Panel Reset",
          {{false, "optCtrPnlRes", 1, "Yes (count can be reset from front panel)",
            PanelOption::Bit6},
           {false, "optCtrPnlRes", 0, "No (operator cannot reset the counter)",
            PanelOption::Bit6}}}}};
    return layout;
}

}  // namespace panels
