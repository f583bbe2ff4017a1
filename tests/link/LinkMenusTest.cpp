// The menu items each link state allows.
#include <gtest/gtest.h>

#include <set>

#include "link/LinkMenus.h"

namespace comm {
namespace {

std::set<std::string> EnabledIn(CommStateWord state) {
    std::set<std::string> enabled;
    for (const MenuEnabling& item : LinkMenuItems(state))
        if (item.Enabled)
            enabled.insert(item.Item);
    return enabled;
}

const std::set<std::string> kIdle = {"mnuHelpAbout",    "mnuHelpTour",  "mnuFileNew",
                                     "mnuFileOpen",     "mnuSetupBIOS", "mnuSetupComm",
                                     "mnuSetupConnect", "mnuSetupIO",   "mnuSetupReset"};

std::set<std::string> IdlePlus(std::set<std::string> items) {
    items.insert(kIdle.begin(), kIdle.end());
    return items;
}

TEST(LinkMenus, EachUnitOffersOnlyItsOwnTransfers) {
    EXPECT_EQ(
        EnabledIn(CommStateWord::Mcu),
        IdlePlus({"mnuFileSend", "mnuFileRead", "mnuFileSendMCU", "mnuFileReadMCU", "mnuFileRun"}));
    EXPECT_EQ(EnabledIn(CommStateWord::Cim),
              IdlePlus({"mnuFileSend", "mnuFileRead", "mnuFileSendTmr", "mnuFileSendCtr",
                        "mnuFileReadTmr", "mnuFileReadCtr"}));
    EXPECT_EQ(EnabledIn(CommStateWord::Pp),
              IdlePlus({"mnuFileSend", "mnuFileRead", "mnuFileSendPP", "mnuFileReadPP"}));
    EXPECT_EQ(EnabledIn(CommStateWord::PpX), EnabledIn(CommStateWord::Pp))
        << "identified, speed set-up under way";
}

TEST(LinkMenus, NoTransfersBeforeIdentificationOrAfterAFailure) {
    for (CommStateWord state : {CommStateWord::None, CommStateWord::Data, CommStateWord::Err})
        EXPECT_EQ(EnabledIn(state), kIdle) << StateWord(state);
}

TEST(LinkMenus, WhileTheProgramRunsOnlyResetIsLeft) {
    for (CommStateWord state : {CommStateWord::Run, CommStateWord::XRun})
        EXPECT_EQ(EnabledIn(state), (std::set<std::string>{"mnuSetupReset"})) << StateWord(state);
}

}  // namespace
}  // namespace comm
