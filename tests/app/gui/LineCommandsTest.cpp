// Insert, Delete, Cut, Copy, Paste and Replace from the window's buttons, pop-up menu and keys,
// with End Page kept in place, and the rule for unsaved edits of the current line.
#include "tests/app/gui/GuiFixture.h"
#include "tests/editor/PageBuilder.h"

namespace {

using gui::Answer;
using testgui::MainWindowTest;

int RowOf(int line) {
    return 2 * (line - 1);
}

class LineCommands : public MainWindowTest {
  protected:
    // Selects the rows of lines first..last, comment rows included, by click and shift-click.
    void SelectLines(int first, int last) {
        ClickRow(RowOf(first));
        ClickRow(RowOf(last) + 1, Qt::ShiftModifier);
    }
    std::string Page(int page = 0) { return testpage::Lines(program, page); }
    int EndPageIndex(int page = 0) { return program.RegisterByte(page + 1, 0); }
};

TEST_F(LineCommands, InsertOnAFullPageIsRefused) {
    Use(testpage::ProgramWithLines(1, 73), 1);
    ClickRow(RowOf(10));
    Press("cmdInsLine");
    EXPECT_EQ(program.PgmData[model::PageBase(1) + 74].F(), 12);
    EXPECT_EQ(EndPageIndex(1), 74);
    EXPECT_TRUE(program.PgmData[model::PageBase(1) + 9].IsBlank());
    EXPECT_TRUE(dialogs.shown.empty());
    Press("cmdInsLine");
    ASSERT_EQ(dialogs.Titles(), QStringList{"Insert Line"});
    EXPECT_EQ(dialogs.shown[0].Text, "Sorry, this page is full");
    EXPECT_EQ(EndPageIndex(1), 74);
}

TEST_F(LineCommands, DeleteAsksWithTheLinesItMovesAndKeepsEndPage) {
    Use(testpage::ProgramWithLines(0, 9));
    ClickRow(RowOf(3));
    dialogs.answers = {Answer::No};
    Press("cmdDelLine");
    ASSERT_EQ(dialogs.Titles(), QStringList{"Delete Line"});
    EXPECT_EQ(dialogs.shown[0].Text,
              "This will remove line 3 and move lines 4 thru 10 up.\n"
              "Are you sure you want to continue?");
    EXPECT_EQ(Page(), "L1 L2 L3 L4 L5 L6 L7 L8 L9 END");
    dialogs.answers = {Answer::Yes};
    Press("cmdDelLine");
    EXPECT_EQ(Page(), "L1 L2 L4 L5 L6 L7 L8 L9 END");
    EXPECT_EQ(EndPageIndex(), 8);
    EXPECT_TRUE(program.PgmChanged);

    ClickRow(Rows().size() - 1);
    Press("cmdDelLine");
    EXPECT_EQ(dialogs.shown.back().Text, "Cannot delete End Page");
}

TEST_F(LineCommands, CopyThenPasteAboveFromThePopupMenu) {
    Use(testpage::ProgramWithLines(0, 6));
    EXPECT_FALSE(Find<QAction>("mnuListEditPaste")->isEnabled());
    SelectLines(3, 5);
    Trigger("mnuListEditCopy");
    EXPECT_TRUE(Find<QAction>("mnuListEditReplace")->isEnabled());
    ClickRow(RowOf(2));
    Trigger("mnuListEditPaste");
    EXPECT_EQ(Page(), "L1 L3 L4 L5 L2 L3 L4 L5 L6 END");
    EXPECT_EQ(EndPageIndex(), 9);
    EXPECT_EQ(window->Session().State().CurLine, 1);
}

TEST_F(LineCommands, CutAndPasteWithTheKeysOfTheList) {
    Use(testpage::ProgramWithLines(0, 6));
    SelectLines(2, 3);
    List()->setFocus();
    QTest::keyClick(List(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(Page(), "L1 L4 L5 L6 END");
    ClickRow(RowOf(4));
    QTest::keyClick(List(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Page(), "L1 L4 L5 L2 L3 L6 END");
    SelectLines(1, 1);
    QTest::keyClick(List(), Qt::Key_C, Qt::ControlModifier);
    ClickRow(RowOf(6));
    QTest::keyClick(List(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Page(), "L1 L4 L5 L2 L3 L1 L6 END");
}

TEST_F(LineCommands, CutThroughEndPageLeavesAFreshEndPage) {
    Use(testpage::ProgramWithLines(0, 5));
    ClickRow(RowOf(4));
    ClickRow(Rows().size() - 1, Qt::ShiftModifier);
    Trigger("mnuListEditCut");
    EXPECT_EQ(Page(), "L1 L2 L3 END");
    EXPECT_EQ(program.PgmData[3].Comment, "");
    EXPECT_EQ(EndPageIndex(), 3);
}

TEST_F(LineCommands, ReplaceGrowsAndShrinksThePage) {
    Use(testpage::ProgramWithLines(0, 10));
    SelectLines(1, 5);
    Trigger("mnuListEditCopy");
    SelectLines(7, 8);
    Trigger("mnuListEditReplace");
    EXPECT_EQ(Page(), "L1 L2 L3 L4 L5 L6 L1 L2 L3 L4 L5 L9 L10 END");
    EXPECT_EQ(EndPageIndex(), 13);
}

TEST_F(LineCommands, ReplaceOfASelectionWithEndPageKeepsAnEndPage) {
    Use(testpage::ProgramWithLines(0, 4));
    SelectLines(1, 2);
    Trigger("mnuListEditCopy");
    ClickRow(RowOf(4));
    ClickRow(Rows().size() - 1, Qt::ShiftModifier);
    Trigger("mnuListEditReplace");
    EXPECT_EQ(Page(), "L1 L2 L3 L1 L2 END");
    EXPECT_EQ(program.PgmData[5].Comment, "");
}

TEST_F(LineCommands, PasteWithoutRoomIsRefused) {
    Use(testpage::ProgramWithLines(1, 72), 1);
    SelectLines(1, 2);
    Trigger("mnuListEditCopy");
    ClickRow(RowOf(5));
    Trigger("mnuListEditPaste");
    ASSERT_EQ(dialogs.Titles(), QStringList{"Insert Lines"});
    EXPECT_EQ(dialogs.shown[0].Text,
              "There are not enough lines available on this page\n"
              "to complete the insert operation");
    EXPECT_EQ(EndPageIndex(1), 72);
}

TEST_F(LineCommands, LinesCopiedOnOnePageArePastedOnAnother) {
    Use(testpage::ProgramWithLines(0, 3));
    SelectLines(1, 2);
    Trigger("mnuListEditCopy");
    window->ChangePage(3);
    ClickRow(0);
    Trigger("mnuListEditPaste");
    EXPECT_EQ(Page(3), "L1 L2 END");
}

struct UnsavedCase {
    const char* name;
    Answer answer;
    const char* page;  // page A afterwards
};

class UnsavedEditBeforeInsert : public LineCommands,
                                public ::testing::WithParamInterface<UnsavedCase> {};

// The question comes before the lines move: Yes stores the edit into the line being edited,
// No drops it, Cancel abandons the insert.
TEST_P(UnsavedEditBeforeInsert, IsStoredDroppedOrKeepsTheOperationBack) {
    Use(testpage::ProgramWithLines(0, 3));
    ClickRow(RowOf(2));
    TypeComment(QStringLiteral("x"));
    dialogs.answers = {GetParam().answer};
    Press("cmdInsLine");
    EXPECT_EQ(dialogs.Titles(), QStringList{"Save Changes"});
    EXPECT_EQ(Page(), GetParam().page);
    if (GetParam().answer == Answer::Cancel) {
        EXPECT_EQ(window->Session().State().LineEdited, editor::LineEdit::Yes);
        EXPECT_EQ(Comment()->Comment(), "L2x");
    } else {
        EXPECT_EQ(window->Session().State().LineEdited, editor::LineEdit::No);
        EXPECT_TRUE(program.PgmData[1].IsBlank());
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, UnsavedEditBeforeInsert,
                         ::testing::Values(UnsavedCase{"Yes", Answer::Yes, "L1 _ L2x L3 END"},
                                           UnsavedCase{"No", Answer::No, "L1 _ L2 L3 END"},
                                           UnsavedCase{"Cancel", Answer::Cancel, "L1 L2 L3 END"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
