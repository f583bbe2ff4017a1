// Start-up's settings, version stamp and first-start choice, over a store in memory.
#include <gtest/gtest.h>

#include "app/shell/StartupSettings.h"
#include "tests/app/MemorySettings.h"
#include "tests/support/RowName.h"

namespace {

using shell::AfterStart;

TEST(StartupSettings, AbsentKeysTakeTheirDefaults) {
    const testshell::MemorySettings store;
    const shell::StartupSettings s = shell::ReadStartupSettings(store);
    EXPECT_EQ(s.Directory, "");
    EXPECT_EQ(s.PgmDir, "");
    EXPECT_EQ(s.CommPortNumber, 0);
    EXPECT_EQ(s.CommSpeed, 1);
    EXPECT_EQ(s.PrintFont, "arial");
    EXPECT_EQ(s.PrintSize, 10);
    EXPECT_DOUBLE_EQ(s.PrintTop, 1);
    EXPECT_DOUBLE_EQ(s.PrintLeft, 1);
    EXPECT_EQ(s.PrintLines, 50);
}

struct NumberCase {
    const char* stored;
    int port;
};

class PortSetting : public ::testing::TestWithParam<NumberCase> {};

// A damaged "Port" must read as 0, which suppresses the connect question.
TEST_P(PortSetting, IsTheRoundedLeadingNumber) {
    testshell::MemorySettings store;
    store.values[{"Communications", "Port"}] = GetParam().stored;
    EXPECT_EQ(shell::ReadStartupSettings(store).CommPortNumber, GetParam().port);
}

INSTANTIATE_TEST_SUITE_P(Texts, PortSetting,
                         ::testing::Values(NumberCase{"2", 2}, NumberCase{"3abc", 3},
                                           NumberCase{"COM2", 0}, NumberCase{"", 0},
                                           NumberCase{"1.6", 2}, NumberCase{"99999", 32767},
                                           NumberCase{"-2", -2}));

TEST(StartupSettings, PrintMarginsKeepTheirFraction) {
    testshell::MemorySettings store;
    store.values[{"Printing", "Top"}] = "0.75";
    store.values[{"Printing", "Lines"}] = "60.4";
    const shell::StartupSettings s = shell::ReadStartupSettings(store);
    EXPECT_DOUBLE_EQ(s.PrintTop, 0.75);
    EXPECT_EQ(s.PrintLines, 60);
}

TEST(VersionStamp, AnOlderStampIsReplacedAndAMatchingOneNotRewritten) {
    testshell::MemorySettings store;
    store.values[{"Key", "Key"}] = "2.2.0";
    EXPECT_TRUE(shell::StampVersion(store));
    EXPECT_EQ(store.Get("Key", "Key", ""), "2.2.1");
    const int saves = store.saves;
    EXPECT_FALSE(shell::StampVersion(store));
    EXPECT_EQ(store.saves, saves);
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

TEST(FirstStart, RunModeIsDeletedEvenWhenAbsentAndTheNextStartIsOrdinary) {
    testshell::MemorySettings store;
    shell::ForgetFirstStart(store);
    EXPECT_EQ(store.deletes, 1);
    store.values[{"Key", "RunMode"}] = "install";
    shell::ForgetFirstStart(store);
    EXPECT_FALSE(store.Has("Key", "RunMode"));
    EXPECT_EQ(shell::ChooseAfterStart("", store, 0), AfterStart::Nothing);
}

}  // namespace
