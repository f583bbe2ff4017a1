// Start-up's settings and first-start choice, over a store in memory. The version stamp and
// the first start's end show in the start-up sequence's tests.
#include <gtest/gtest.h>

#include "app/shell/StartupSettings.h"
#include "tests/app/MemorySettings.h"
#include "tests/support/RowName.h"

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

struct StartCase {
    const char* name;
    const char* option;
    const char* runMode;  // nullptr: absent
    int port;
    AfterStart expected;
};

class AfterStartChoice : public ::testing::TestWithParam<StartCase> {};

TEST_P(AfterStartChoice, FollowsSwitchRunModeAndPort) {
    const StartCase& c = GetParam();
    testshell::MemorySettings store;
    if (c.runMode != nullptr)
        store.values[{"Key", "RunMode"}] = c.runMode;
    EXPECT_EQ(shell::ChooseAfterStart(c.option, store, c.port), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Starts, AfterStartChoice,
    ::testing::Values(
        StartCase{"InstallSwitchWithoutSettings", "install", nullptr, 0, AfterStart::Welcome},
        StartCase{"RunModeInstallWithoutPort", "", "install", 0, AfterStart::Welcome},
        StartCase{"InstallSwitchWithPort", "install", nullptr, 2, AfterStart::Welcome},
        StartCase{"OrdinaryWithoutPort", "", nullptr, 0, AfterStart::Nothing},
        StartCase{"OrdinaryWithPort", "", nullptr, 2, AfterStart::OfferConnection},
        StartCase{"OtherSwitchIsOrdinary", "demo", "done", 1, AfterStart::OfferConnection}),
    testsupport::RowName());

}  // namespace
