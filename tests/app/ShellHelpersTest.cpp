// The command line, the file dialog presets and the main window's layout rules.
#include <gtest/gtest.h>

#include <set>

#include "app/shell/CommandLine.h"
#include "app/shell/FilePreset.h"
#include "app/shell/MainLayout.h"

namespace {

TEST(CommandOption, IsTheWordAfterTheFirstSlash) {
    EXPECT_EQ(shell::CommandOption("/install"), "install");
    EXPECT_EQ(shell::CommandOption("prog /install now"), "install");
    EXPECT_EQ(shell::CommandOption("/install/quiet"), "install");
    EXPECT_EQ(shell::CommandOption("no switch"), "");
    EXPECT_EQ(shell::CommandOption("/"), "");
}

TEST(CommandLine, AnExistingPathIsAFileNotASwitch) {
    const std::set<std::string> files{"/home/u/a.zlp"};
    const auto isFile = [&](const std::string& p) { return files.count(p) != 0; };
    const shell::CommandLine both = shell::ParseCommandLine({"/install", "/home/u/a.zlp"}, isFile);
    EXPECT_EQ(both.Option, "install");
    EXPECT_EQ(both.File, "/home/u/a.zlp");
    const shell::CommandLine relative = shell::ParseCommandLine({"missing.zlp"}, isFile);
    EXPECT_EQ(relative.Option, "");
    EXPECT_EQ(relative.File, "missing.zlp");
    EXPECT_EQ(shell::ParseCommandLine({}, isFile).File, "");
}

TEST(FilePreset, AddsASeparatorOnlyWhenTheFolderLacksOne) {
    EXPECT_EQ(shell::FilePreset("", "*.zlp"), "*.zlp");
    EXPECT_EQ(shell::FilePreset("/", "*.zlp"), "/*.zlp");
    EXPECT_EQ(shell::FilePreset("/home/work", "*.zlp"), "/home/work/*.zlp");
    EXPECT_EQ(shell::FolderOfFile("/home/work/a.zlp"), "/home/work");
    EXPECT_EQ(shell::FolderOfFile("/a.zlp"), "/");
    EXPECT_EQ(shell::FolderOfFile("a.zlp"), "");
}

TEST(MainLayout, ResizeBelowTheMinimumSnapsBackTo8025By8070Twips) {
    EXPECT_EQ(shell::MinimumOuterSize(), (shell::Size{535, 538}));
    EXPECT_EQ(shell::SnapToMinimum({300, 900}), (shell::Size{535, 900}));
    EXPECT_EQ(shell::SnapToMinimum({900, 100}), (shell::Size{900, 538}));
    EXPECT_EQ(shell::SnapToMinimum({900, 700}), (shell::Size{900, 700}));
}

// From the smallest window up, the controls stay inside it, and nothing overlaps from the list
// down to the status row.
TEST(MainLayout, KeepsTheControlsInsideAndApart) {
    for (const shell::Size size : {shell::Size{535, 510}, {900, 640}, {1600, 1200}}) {
        const shell::MainLayout l = shell::LayOutMainWindow(size);
        EXPECT_LE(l.PageList.Top + l.PageList.Height, l.Comment.Top) << size.Width;
        EXPECT_LE(l.Comment.Top + l.Comment.Height, l.Editor.Top) << size.Width;
        EXPECT_LE(l.Editor.Top + l.Editor.Height, l.XFerStat.Top) << size.Width;
        EXPECT_LE(l.Progress.Left + l.Progress.Width, l.Mode.Left) << size.Width;
        EXPECT_LE(l.Buttons.Left + l.Buttons.Width, size.Width) << size.Width;
        EXPECT_LE(l.Mode.Left + l.Mode.Width, size.Width) << size.Width;
        EXPECT_LE(l.Mode.Top + l.Mode.Height, size.Height) << size.Width;
    }
}

}  // namespace
