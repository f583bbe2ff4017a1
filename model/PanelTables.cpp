// Default settings of a timer or counter panel.
#include "model/PanelTables.h"

namespace model {

PanelTables DefaultPanelTables(const std::string& entryWord) {
    PanelTables tables;
    for (int i = 0; i < kEntryCount; ++i) {
        tables.Data[i].Name = entryWord + " " + std::to_string(i + 1);
    }
    for (int m = 0; m < kMessageCount; ++m) {
        tables.Msg[m].Top = "Message " + std::to_string(m + 1);
    }
    return tables;
}

}  // namespace model
