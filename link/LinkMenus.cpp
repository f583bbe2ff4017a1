// The menu items of the link and the states that enable them.
#include "link/LinkMenus.h"

#include <algorithm>
#include <iterator>

namespace comm {
namespace {

const char* const kMcuItems[] = {"mnuFileSend", "mnuFileRead", "mnuFileSendMCU", "mnuFileReadMCU",
                                 "mnuFileRun"};
const char* const kCimItems[] = {"mnuFileSend", "mnuFileSendTmr", "mnuFileSendCtr",
                                 "mnuFileRead", "mnuFileReadTmr", "mnuFileReadCtr"};
const char* const kPpItems[] = {"mnuFileSend", "mnuFileRead", "mnuFileSendPP", "mnuFileReadPP"};
const char* const kUnitItems[] = {"mnuFileSend",    "mnuFileSendMCU", "mnuFileSendPP",
                                  "mnuFileSendTmr", "mnuFileSendCtr", "mnuFileRead",
                                  "mnuFileReadMCU", "mnuFileReadPP",  "mnuFileReadTmr",
                                  "mnuFileReadCtr", "mnuFileRun"};
// Enabled by a reset, disabled while the program runs.
const char* const kIdleItems[] = {"mnuHelpAbout", "mnuHelpTour",  "mnuFileNew",      "mnuFileOpen",
                                  "mnuSetupBIOS", "mnuSetupComm", "mnuSetupConnect", "mnuSetupIO"};

template <std::size_t N>
bool Contains(const char* const (&items)[N], const char* item) {
    return std::any_of(std::begin(items), std::end(items),
                       [item](const char* i) { return std::string(i) == item; });
}

// The identified unit's items, by state; none before identification, in ERR and in run mode.
bool UnitItemEnabled(CommStateWord state, const char* item) {
    switch (state) {
        case CommStateWord::Mcu:
        case CommStateWord::McuX:
            return Contains(kMcuItems, item);
        case CommStateWord::Cim:
        case CommStateWord::CimX:
            return Contains(kCimItems, item);
        case CommStateWord::Pp:
        case CommStateWord::PpX:
            return Contains(kPpItems, item);
        default:
            return false;
    }
}

}  // namespace

std::vector<MenuEnabling> LinkMenuItems(CommStateWord state) {
    const bool running = state == CommStateWord::Run || state == CommStateWord::XRun;
    std::vector<MenuEnabling> items;
    for (const char* item : kUnitItems)
        items.push_back({item, UnitItemEnabled(state, item)});
    for (const char* item : kIdleItems)
        items.push_back({item, !running});
    items.push_back({"mnuSetupReset", true});
    return items;
}

}  // namespace comm
