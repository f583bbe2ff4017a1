// Start-up's settings and first-start choice, over a store in memory. The version stamp and
// the first start's end show in the start-up sequence's tests.
#include <gtest/gtest.h>

#include "app/shell/StartupSettings.h"
#include "tests/app/MemorySettings.h"

namespace {

using shell::AfterStart;

// The print settings are read for printing, which nothing offers yet.
TEST(StartupSettings, AbsentKeysTakeTheirDefaults) {
    const shell::StartupSettings s = shell::ReadStartupSettings(testshell::MemorySettings());
    EXPECT_EQ(s.PgmDir, "");
    EXPECT_EQ(s.CommPortNumber, 0);
    EXPECT_EQ(s.CommSpeed, 1);
}

// A damaged "Port" must read as 0, which suppresses the connect question.
TEST(StartupSettings, PortIsTheRoundedLeadingNumberHeldIn16Bits) {
    const std::pair<const char*, int> texts[] = {{"2", 2},   {"3abc", 3},      {"COM2", 0}, {"", 0},
                                                 {"1.6", 2}, {"99999", 32767}, {"-2", -2}};
    for (const auto& [stored, port] : texts) {
        testshell::MemorySettings store;
        store.values[{"Communications", "Port"}] = stored;
        EXPECT_EQ(shell::ReadStartupSettings(store).CommPortNumber, port) << stored;
    }
}

TEST(AfterStart, FollowsTheSwitchTheRunModeAndThePort) {
    testshell::MemorySettings store;
    EXPECT_EQ(shell::ChooseAfterStart("install", store, 0), AfterStart::Welcome);
    EXPECT_EQ(shell::ChooseAfterStart("install", store, 2), AfterStart::Welcome);
    EXPECT_EQ(shell::ChooseAfterStart("", store, 0), AfterStart::Nothing);
    EXPECT_EQ(shell::ChooseAfterStart("", store, 2), AfterStart::OfferConnection);
    store.values[{"Key", "RunMode"}] = "install";
    EXPECT_EQ(shell::ChooseAfterStart("", store, 0), AfterStart::Welcome);
    store.values[{"Key", "RunMode"}] = "done";
    EXPECT_EQ(shell::ChooseAfterStart("demo", store, 1), AfterStart::OfferConnection);
}

}  // namespace
