// Where the help and the sample program are found, the tour's settings and the about box's text.
#include <gtest/gtest.h>

#include <set>

#include "app/shell/AboutText.h"
#include "app/shell/DataFolder.h"
#include "app/shell/TourSettings.h"
#include "tests/app/MemorySettings.h"

namespace {

// The setting wins; then the installed data beside the program, then the source tree; with
// neither, the installed place, so that a message names it.
TEST(DataFolder, SettingThenInstalledDataThenSourceTree) {
    std::set<std::string> present;
    const auto exists = [&](const std::string& path) { return present.count(path) != 0; };
    const auto find = [&](const std::string& setting) {
        return shell::DataFolder(setting, "/usr/bin", "/src/zolt", exists);
    };
    EXPECT_EQ(find("/opt/zolt"), "/opt/zolt/");
    EXPECT_EQ(find(""), "/usr/bin/../share/zolt-programmer/");
    present.insert("/src/zolt/Help/main.htm");
    EXPECT_EQ(find(""), "/src/zolt/");
    present.insert("/usr/bin/../share/zolt-programmer/Help/main.htm");
    EXPECT_EQ(shell::DemoProgram(find("")), "/usr/bin/../share/zolt-programmer/Demo/Zolt_demo.zlp");
}

// "demo" is read once and deleted; an absent one is left absent and loads nothing.
TEST(TourSettings, DemoIsTakenOnceAndRunModeInstallMaximises) {
    testshell::MemorySettings settings;
    shell::AfterSlides after = shell::TakeTourSettings(settings);
    EXPECT_FALSE(after.LoadDemo || after.Maximise);
    EXPECT_TRUE(settings.values.empty());
    settings.values[{"Key", "demo"}] = "yes";
    settings.values[{"Key", "RunMode"}] = "install";
    after = shell::TakeTourSettings(settings);
    EXPECT_TRUE(after.LoadDemo && after.Maximise);
    EXPECT_EQ(settings.values.count({"Key", "demo"}), 0u);
    EXPECT_FALSE(shell::TakeTourSettings(settings).LoadDemo);
}

TEST(AboutText, VersionsOfWhatIsConnected) {
    EXPECT_EQ(shell::AboutVersions("2.2.1", {}, {}), "Program Version:  2.2.1");
    EXPECT_EQ(shell::AboutVersions("2.2.1", 1, shell::FirmwareVersion{1, 30}),
              "Program Version:  2.2.1\nInterface Version:  1\nMCU Version:  1.30");
}

}  // namespace
