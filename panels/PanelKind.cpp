// The timer and counter panels' table.
#include "panels/PanelKind.h"

namespace panels {

const PanelKind& TimerPanel() {
    static const PanelKind kind{
        "Timer",
        ValueKind::Seconds,
        {"Set time cannot exceed 59999.99 seconds", "High limit cannot exceed 59999.99 seconds",
         "Low limit cannot exceed 59999.99 seconds"},
        "Low limit cannot be more than set time",
        "High limit cannot be less than set time",
        false};
    return kind;
}

const PanelKind& CounterPanel() {
    static const PanelKind kind{"Counter",
                                ValueKind::Count,
                                {"Set count cannot exceed 59999", "High limit cannot exceed 59999",
                                 "Low limit cannot exceed 59999"},
                                "Low limit cannot be more than set count",
                                "High limit cannot be less than set count",
                                true};
    return kind;
}

}  // namespace panels
