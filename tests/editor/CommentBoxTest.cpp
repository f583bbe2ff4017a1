// The comment box's rows of 60, its Enter key and its limits.
#include <gtest/gtest.h>

#include <utility>

#include "editor/CommentBox.h"
#include "editor/WindowTitle.h"

namespace {

TEST(CommentBox, FullRowsEndWithALineBreakUpToRowThree) {
    EXPECT_EQ(editor::BoxTextOfComment(""), "");
    EXPECT_EQ(editor::BoxTextOfComment("short"), "short");
    const std::string a(60, 'a'), b(60, 'b'), c(60, 'c'), d(60, 'd');
    EXPECT_EQ(editor::BoxTextOfComment(a), a + "\r\n");
    EXPECT_EQ(editor::BoxTextOfComment(a + "bb"), a + "\r\nbb");
    EXPECT_EQ(editor::BoxTextOfComment(a + b + c + d), a + "\r\n" + b + "\r\n" + c + "\r\n" + d);
}

TEST(CommentBox, CommentDropsLineBreaksAndStopsAt240) {
    const std::string box = std::string(60, 'a') + "\r\n" + std::string(200, 'b');
    const std::string comment = editor::CommentOfBoxText(box);
    EXPECT_EQ(comment.size(), 240u);
    EXPECT_EQ(comment.find('\r'), std::string::npos);
}

TEST(CommentBox, CaretMovesPastTheBreakAtTheEndOfAFullRow) {
    const std::string box = editor::BoxTextOfComment(std::string(130, 'x'));
    EXPECT_EQ(editor::CaretAfterRelay(box, 60), 62);
    EXPECT_EQ(editor::CaretAfterRelay(box, 122), 124);
    EXPECT_EQ(editor::CaretAfterRelay(box, 30), 30);
    EXPECT_EQ(editor::CaretAfterRelay("short", 60), 60);
}

// Carets 184 and 200 stand at the end of row three and in row four, which Enter leaves alone.
TEST(CommentBox, EnterFillsTheRestOfTheCaretsRow) {
    const std::pair<int, int> kPaddings[] = {{0, 0},    {1, 59},  {60, 0}, {70, 52},
                                             {150, 34}, {184, 0}, {200, 0}};
    for (const auto& [caret, padding] : kPaddings)
        EXPECT_EQ(editor::EnterPadding(caret), padding) << "caret " << caret;
}

TEST(CommentBox, QuotesAreRefusedAndTheBoxHasALimit) {
    EXPECT_FALSE(editor::CommentKeyAccepted(0, '"'));
    EXPECT_TRUE(editor::CommentKeyAccepted(246, 'a'));
    EXPECT_FALSE(editor::CommentKeyAccepted(247, 'a'));
}

TEST(WindowTitle, NamesTheFileRelativeToTheDialogFolder) {
    EXPECT_EQ(editor::WindowTitle("", "/work"), "Zolt MCU Programmer");
    EXPECT_EQ(editor::WindowTitle("/work/a.zlp", "/work"), "Zolt MCU Programmer [a.zlp]");
    EXPECT_EQ(editor::WindowTitle("/work/a.zlp", "/work/"), "Zolt MCU Programmer [a.zlp]");
    EXPECT_EQ(editor::WindowTitle("/work/sub/a.zlp", "/work"), "Zolt MCU Programmer [sub/a.zlp]");
    // A file elsewhere keeps its whole path rather than losing its first characters.
    EXPECT_EQ(editor::WindowTitle("/home/u/a.zlp", "/work"), "Zolt MCU Programmer [/home/u/a.zlp]");
    EXPECT_EQ(editor::WindowTitle("/workshop/a.zlp", "/work"),
              "Zolt MCU Programmer [/workshop/a.zlp]");
}

}  // namespace
