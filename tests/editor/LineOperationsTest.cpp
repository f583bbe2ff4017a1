// Inserting, deleting, cutting, copying, pasting and replacing lines keeps End Page right.
#include <gtest/gtest.h>

#include "editor/EndPage.h"
#include "editor/LineOperations.h"
#include "model/PageListing.h"
#include "tests/editor/PageBuilder.h"

namespace {

using editor::LineOpResult;
using testpage::Lines;
using testpage::ProgramWithLines;

// The run the user selects by dragging over lines first..last (offsets) with their comments, on
// a page of numbered lines (one comment row to each).
editor::LineRun RowsRun(const model::Program& program, int page, int first, int last) {
    const auto rows = model::ListPage(program, page).Rows;
    const auto run = editor::FindSelectionRun(
        program, page, rows, testpage::Selected(rows.size(), 2 * first, 2 * last + 1));
    EXPECT_TRUE(run.has_value());
    return run.value_or(editor::LineRun{0, 0, 0, false});
}

int EndPageIndex(const model::Program& program, int page) {
    return program.RegisterByte(page + 1, 0);
}

TEST(InsertLine, PushesLinesDownUntilThePageIsFull) {
    model::Program program = ProgramWithLines(1, 73);  // End Page in line 74
    EXPECT_EQ(editor::InsertLine(program, 1, 2), LineOpResult::Done);
    EXPECT_EQ(Lines(program, 1).substr(0, 12), "L1 L2 _ L3 L");
    EXPECT_EQ(EndPageIndex(program, 1), 74);  // End Page reached line 75
    EXPECT_TRUE(program.PgmChanged);
    program.PgmChanged = false;
    const model::Program full = program;
    EXPECT_EQ(editor::InsertLine(program, 1, 2), LineOpResult::PageFull);
    EXPECT_TRUE(program.SameContent(full));
    EXPECT_FALSE(program.PgmChanged);
}

TEST(DeleteLine, MovesTheLinesBelowUpAndKeepsJumpTargetsAsNumbers) {
    model::Program program = ProgramWithLines(2, 11);  // End Page in line 12
    program.PgmData[400 + 10].Code = {1, 0x01, 1, 8};  // line 11 jumps to line 8
    EXPECT_EQ(editor::DeleteQuestion(program, 2, 2),
              "This will remove line 3 and move lines 4 thru 12 up.\r\n"
              "Are you sure you want to continue?");
    EXPECT_EQ(editor::DeleteLine(program, 2, 2), LineOpResult::Done);
    EXPECT_EQ(Lines(program, 2), "L1 L2 L4 L5 L6 L7 L8 L9 L10 L11 END");
    EXPECT_EQ(EndPageIndex(program, 2), 10);
    EXPECT_EQ(program.PgmData[400 + 9].P3(), 8);
    EXPECT_TRUE(program.PgmData[400 + 11].IsBlank());
    EXPECT_EQ(editor::DeleteLine(program, 2, 10), LineOpResult::CannotDeleteEndPage);
}

TEST(CopyPaste, CopiedLinesGoBeforeTheSelectedLine) {
    model::Program program = ProgramWithLines(0, 8);
    editor::LineClipboard clipboard;
    EXPECT_FALSE(clipboard.HasContent());
    editor::CopyLines(program, 0, RowsRun(program, 0, 2, 4), clipboard);  // lines 3..5
    EXPECT_TRUE(clipboard.HasContent());
    EXPECT_EQ(editor::PasteLines(program, 0, 1, clipboard), LineOpResult::Done);
    EXPECT_EQ(Lines(program, 0), "L1 L3 L4 L5 L2 L3 L4 L5 L6 L7 L8 END");
    EXPECT_EQ(EndPageIndex(program, 0), 11);
}

TEST(CopyPaste, WorksAcrossPages) {
    model::Program program = ProgramWithLines(0, 4);
    editor::LineClipboard clipboard;
    editor::CopyLines(program, 0, RowsRun(program, 0, 0, 1), clipboard);
    EXPECT_EQ(editor::PasteLines(program, 3, 0, clipboard), LineOpResult::Done);
    EXPECT_EQ(Lines(program, 3), "L1 L2 END");
    EXPECT_EQ(EndPageIndex(program, 3), 2);
}

TEST(CopyPaste, AClipboardEndingWithEndPageEndsThePage) {
    model::Program program = ProgramWithLines(1, 6);
    editor::LineClipboard clipboard;
    editor::CopyLines(program, 1, RowsRun(program, 1, 5, 6), clipboard);  // L6 and End Page
    EXPECT_EQ(editor::PasteLines(program, 1, 2, clipboard), LineOpResult::Done);
    EXPECT_EQ(Lines(program, 1), "L1 L2 L6 END");
    EXPECT_EQ(EndPageIndex(program, 1), 3);
    EXPECT_TRUE(program.PgmData[304].IsBlank());  // the lines pushed down are dropped
}

TEST(CopyPaste, PasteNeedsRoomForEndPageBeforeTheLastLine) {
    model::Program program = ProgramWithLines(1, 70);
    editor::LineClipboard clipboard;
    editor::CopyLines(program, 1, RowsRun(program, 1, 0, 3), clipboard);  // four lines: 74 > 73
    const model::Program before = program;
    EXPECT_EQ(editor::PasteLines(program, 1, 0, clipboard), LineOpResult::NoRoomToPaste);
    EXPECT_TRUE(program.SameContent(before));
    editor::CopyLines(program, 1, RowsRun(program, 1, 0, 2), clipboard);  // three lines: 73 fits
    EXPECT_EQ(editor::PasteLines(program, 1, 0, clipboard), LineOpResult::Done);
    EXPECT_EQ(EndPageIndex(program, 1), 73);
}

TEST(Cut, ClosesTheGapAndLeavesAFreshEndPageWhenItTookEndPage) {
    model::Program program = ProgramWithLines(0, 6);
    editor::LineClipboard clipboard;
    editor::CutLines(program, 0, RowsRun(program, 0, 1, 2), clipboard);  // lines 2, 3
    EXPECT_EQ(Lines(program, 0), "L1 L4 L5 L6 END");
    EXPECT_EQ(EndPageIndex(program, 0), 4);
    EXPECT_EQ(clipboard.Records().size(), 2u);

    program.PgmData[4].Comment = "end comment";
    editor::CutLines(program, 0, RowsRun(program, 0, 2, 4), clipboard);  // L5, L6, End Page
    EXPECT_EQ(Lines(program, 0), "L1 L4 END");
    EXPECT_EQ(program.PgmData[2].Comment, "");
    EXPECT_EQ(EndPageIndex(program, 0), 2);
    EXPECT_EQ(clipboard.Records().back().Comment, "end comment");
    // Only the vacated records are cleared: the last slot's End Page stays.
    EXPECT_EQ(program.PgmData[199].F(), 12);
}

TEST(Replace, GrowsAndShrinksThePage) {
    model::Program program = ProgramWithLines(0, 8);
    editor::LineClipboard five;
    editor::CopyLines(program, 0, RowsRun(program, 0, 3, 7), five);  // L4..L8
    editor::LineClipboard two;
    editor::CopyLines(program, 0, RowsRun(program, 0, 0, 1), two);  // L1, L2

    model::Program grow = program;
    EXPECT_EQ(editor::ReplaceLines(grow, 0, RowsRun(grow, 0, 1, 2), five), LineOpResult::Done);
    EXPECT_EQ(Lines(grow, 0), "L1 L4 L5 L6 L7 L8 L4 L5 L6 L7 L8 END");
    EXPECT_EQ(EndPageIndex(grow, 0), 11);

    model::Program shrink = program;
    EXPECT_EQ(editor::ReplaceLines(shrink, 0, RowsRun(shrink, 0, 2, 6), two), LineOpResult::Done);
    EXPECT_EQ(Lines(shrink, 0), "L1 L2 L1 L2 L8 END");
    EXPECT_EQ(EndPageIndex(shrink, 0), 5);
    EXPECT_TRUE(shrink.PgmData[6].IsBlank());
}

TEST(Replace, KeepsAnEndPageAfterABlockThatOverwroteIt) {
    model::Program program = ProgramWithLines(0, 4);
    editor::LineClipboard clipboard;
    editor::CopyLines(program, 0, RowsRun(program, 0, 0, 1), clipboard);  // L1, L2
    program.PgmData[4].Comment = "old end";
    EXPECT_EQ(editor::ReplaceLines(program, 0, RowsRun(program, 0, 3, 4), clipboard),
              LineOpResult::Done);  // L4 and End Page replaced by L1, L2
    EXPECT_EQ(Lines(program, 0), "L1 L2 L3 L1 L2 END");
    EXPECT_EQ(program.PgmData[5].Comment, "");
    EXPECT_EQ(EndPageIndex(program, 0), 5);
}

TEST(Replace, RefusesWhenThePageWouldOverflow) {
    model::Program program = ProgramWithLines(4, 72);
    editor::LineClipboard clipboard;
    editor::CopyLines(program, 4, RowsRun(program, 4, 0, 2), clipboard);  // three lines
    const model::Program before = program;
    EXPECT_EQ(editor::ReplaceLines(program, 4, RowsRun(program, 4, 0, 0), clipboard),
              LineOpResult::NoRoomToReplace);
    EXPECT_TRUE(program.SameContent(before));
}

TEST(SelectionRun, StopsAtTheFirstUnselectedCommentRow) {
    model::Program program = ProgramWithLines(0, 5);
    program.PgmData[1].Comment = std::string(70, 'c');  // line 2 has two comment rows
    const auto rows = model::ListPage(program, 0).Rows;
    // Rows: L1, (c1) L1's one comment row, L2, c, c, L3 ...; select L1 row through L3 row
    // but leave L2's second comment row unselected.
    std::vector<bool> selected = testpage::Selected(rows.size(), 0, 6);
    selected[4] = false;
    const auto run = editor::FindSelectionRun(program, 0, rows, selected);
    ASSERT_TRUE(run.has_value());
    EXPECT_EQ(run->FirstLine, 0);
    EXPECT_EQ(run->LineCount, 2);
    EXPECT_FALSE(run->IncludesEndPage);
    EXPECT_FALSE(editor::FindSelectionRun(program, 0, rows, std::vector<bool>(rows.size())));
}

TEST(EndPageIndex, IsFoundInThePageEvenWhenTheRegisterIsStale) {
    model::Program program = ProgramWithLines(0, 5);
    editor::StoreEndPageIndex(program, 0, 0);  // as another tool might leave it
    EXPECT_EQ(editor::InsertLine(program, 0, 1), LineOpResult::Done);
    EXPECT_EQ(Lines(program, 0), "L1 _ L2 L3 L4 L5 END");
    EXPECT_EQ(EndPageIndex(program, 0), 6);
}

}  // namespace
