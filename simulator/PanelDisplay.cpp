// The virtual panels of a simulated run.
#include "simulator/PanelDisplay.h"

namespace simulator {

PanelDisplay::PanelDisplay(const model::PanelTables& settings) : settings_(settings) {}

void PanelDisplay::ShowEntry(int entry) {
    const bool exists = entry >= 1 && entry <= model::kEntryCount;
    showing_ = exists ? Showing::Entry : Showing::Nothing;
    number_ = entry;
}

void PanelDisplay::ShowMessage(int message) {
    const bool exists = message >= 1 && message <= model::kMessageCount;
    showing_ = exists ? Showing::Message : Showing::Nothing;
    number_ = message;
}

std::string PanelDisplay::Text(const std::function<std::string(int entry)>& valueText) const {
    switch (showing_) {
        case Showing::Entry:
            return settings_.Data[number_ - 1].Name + "\n" + valueText(number_);
        case Showing::Message: {
            const model::PanelMessage& message = settings_.Msg[number_ - 1];
            return message.Top + "\n" + message.Bottom;
        }
        case Showing::Nothing:
            break;
    }
    return "";
}

}  // namespace simulator
