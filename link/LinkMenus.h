// Which menu items the link state allows: the unit's transfer items once it has identified
// itself, nothing but Reset while the MCU runs its program.
#pragma once

#include <string>
#include <vector>

#include "link/LinkState.h"

namespace comm {

struct MenuEnabling {
    std::string Item;  // the menu item's name, e.g. "mnuFileSendMCU"
    bool Enabled;
};

// Every menu item the link enables or disables, with its state for the link state state.
std::vector<MenuEnabling> LinkMenuItems(CommStateWord state);

}  // namespace comm
