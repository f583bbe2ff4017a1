// The command line, the file dialog presets and the main window's layout rules.
#include <gtest/gtest.h>

#include <set>

#include "app/shell/CommandLine.h"
#include "app/shell/FilePreset.h"
#include "app/shell/MainLayout.h"
#include "app/shell/RowColumns.h"

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

TEST(FilePreset, ExtensionAddedOnlyToANameWithoutOne) {
    EXPECT_EQ(shell::WithDefaultExtension("/home/work/filler", ".zlp"), "/home/work/filler.zlp");
    EXPECT_EQ(shell::WithDefaultExtension("/home/v1.2/filler", ".zlp"), "/home/v1.2/filler.zlp");
    EXPECT_EQ(shell::WithDefaultExtension("/home/.hidden", ".txt"), "/home/.hidden.txt");
    EXPECT_EQ(shell::WithDefaultExtension("/home/work/a.ZLP", ".zlp"), "/home/work/a.ZLP");
    EXPECT_EQ(shell::WithDefaultExtension("plant.txt", ".txt"), "plant.txt");
}

// From the smallest window up, the controls stay inside it, the comment box and the editor get
// the height they ask for, and nothing overlaps from the list down to the status row.
TEST(MainLayout, KeepsTheControlsInsideApartAndAsHighAsAsked) {
    const struct {
        shell::Size size;
        int editorRows;  // rows of fields the editor needs at this width
    } cases[] = {{{535, 510}, 5}, {{900, 640}, 2}, {{1600, 1200}, 2}};
    for (const auto& c : cases) {
        const shell::ContentHeights content{72, [&](int) { return 30 * c.editorRows; }};
        const shell::MainLayout l = shell::LayOutMainWindow(c.size, content);
        const int w = c.size.Width;
        EXPECT_EQ(l.Comment.Height, 72) << w;
        EXPECT_EQ(l.Editor.Height, 30 * c.editorRows) << w;
        EXPECT_GT(l.PageList.Height, 0) << w;
        EXPECT_LE(l.PageList.Top + l.PageList.Height, l.CommentLabel.Top) << w;
        EXPECT_LE(l.CommentLabel.Top + l.CommentLabel.Height, l.Comment.Top) << w;
        EXPECT_LE(l.Comment.Top + l.Comment.Height, l.Editor.Top) << w;
        EXPECT_LE(l.Editor.Top + l.Editor.Height, l.XFerStat.Top) << w;
        EXPECT_LE(l.Editor.Left + l.Editor.Width, l.Buttons.Left) << w;
        EXPECT_LE(l.Progress.Left + l.Progress.Width, l.Mode.Left) << w;
        EXPECT_LE(l.Buttons.Left + l.Buttons.Width, w) << w;
        EXPECT_LE(l.Comment.Left + l.Comment.Width, w) << w;
        EXPECT_LE(l.Mode.Left + l.Mode.Width, w) << w;
        EXPECT_LE(l.Mode.Top + l.Mode.Height, c.size.Height) << w;
    }
}

// Rows 9, 10 and 100 split into the same parts wherever their spacing puts the number.
TEST(RowColumns, LineRowsOfEveryNumberLengthSplitAtTheirNumber) {
    const struct {
        const char* row;
        const char* number;
        const char* description;
    } rows[] = {
        {"     9          End Page", "9", "End Page"},
        {"   10          Wait 2.00 Seconds", "10", "Wait 2.00 Seconds"},
        {" 100          Turn ON Output 1  If NOT, Move to Line 12", "100",
         "Turn ON Output 1  If NOT, Move to Line 12"},
        {"                    a comment 12", "", ""},
    };
    for (const auto& r : rows) {
        const shell::RowColumns parts = shell::SplitLineRow(r.row);
        EXPECT_EQ(parts.Number, r.number) << r.row;
        EXPECT_EQ(parts.Description, r.description) << r.row;
    }
}

}  // namespace
