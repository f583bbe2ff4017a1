// The page session without a window: the unsaved-line question on every way off a line, the
// refusals, the error log's state, the row a click or an accept ends on, and the clipboard.
#include <gtest/gtest.h>

#include <functional>

#include "editor/PageSession.h"
#include "tests/editor/PageBuilder.h"
#include "tests/support/RowName.h"

namespace {

using editor::ErrLogState;
using editor::ErrorLogOffer;
using editor::LineAnswer;
using editor::LineEdit;
using Kind = editor::Reply::Kind;

struct SessionTest : ::testing::Test {
    // Replaces the program as New or Open does and shows `page`.
    void Use(const model::Program& replacement, int page = 0) {
        program = replacement;
        session.NewProgram();
        session.Core().RefreshIOLists();
        Show(page, 0);
    }
    // What the window's drawing of a page does when the page offers no error log.
    void Show(int page, int line) {
        session.ListPage(page, line);
        if (const auto row = session.RowAfterListing())
            session.ClickRow(*row, false, LineAnswer::NotAsked);
    }
    // The row of line n (1-based) on a page of numbered lines, one comment row to each.
    static int RowOf(int line) { return 2 * (line - 1); }
    // The rows of lines first..last with their comment rows, as a drag selects them.
    std::vector<bool> Selecting(int first, int last) const {
        return testpage::Selected(session.Listing().Rows.size(), RowOf(first), RowOf(last) + 1);
    }
    // Clicks line n and types "x" at the end of its comment.
    void EditLine(int line) {
        session.ClickRow(RowOf(line), true, LineAnswer::NotAsked);
        session.SetEditComment(session.State().EditComment + "x");
        session.MarkLineEdited();
    }
    std::string Page(int page = 0) const { return testpage::Lines(program, page); }

    model::Program program;
    editor::PageSession session{program};
};

struct LeaveCase {
    const char* name;
    std::function<editor::Reply(SessionTest&, LineAnswer)> leave;  // off line 2 of page A
    LineAnswer answer;
    Kind then;
    const char* pageA;
    LineEdit lineEdited;
};

class UnsavedLine : public SessionTest, public ::testing::WithParamInterface<LeaveCase> {};

// Each way off an edited line asks first and changes nothing until answered; then Yes stores the
// edit where the line stands, No drops it, Cancel keeps it and abandons the move.
TEST_P(UnsavedLine, IsAskedAboutThenStoredDroppedOrKept) {
    const LeaveCase& c = GetParam();
    Use(testpage::ProgramWithLines(0, 3));
    EditLine(2);
    EXPECT_EQ(c.leave(*this, LineAnswer::NotAsked).Then, Kind::AskAboutLine);
    EXPECT_EQ(Page(), "L1 L2 L3 END");
    EXPECT_EQ(session.State().LineEdited, LineEdit::Yes);
    EXPECT_EQ(c.leave(*this, c.answer).Then, c.then);
    EXPECT_EQ(Page(), c.pageA);
    EXPECT_EQ(session.State().LineEdited, c.lineEdited);
}

editor::Reply ClickLine3(SessionTest& t, LineAnswer a) {
    return t.session.ClickRow(t.RowOf(3), true, a);
}
editor::Reply PageB(SessionTest& t, LineAnswer a) {
    return t.session.ChangePage(1, a);
}
editor::Reply Insert(SessionTest& t, LineAnswer a) {
    return t.session.InsertLine(a);
}
editor::Reply CutLine3(SessionTest& t, LineAnswer a) {
    return t.session.CutLines(t.Selecting(3, 3), a);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, UnsavedLine,
    ::testing::Values(
        LeaveCase{"RowClickYes", ClickLine3, LineAnswer::Yes, Kind::Stored, "L1 L2x L3 END",
                  LineEdit::Saved},
        LeaveCase{"RowClickNo", ClickLine3, LineAnswer::No, Kind::LineLoaded, "L1 L2 L3 END",
                  LineEdit::No},
        LeaveCase{"RowClickCancel", ClickLine3, LineAnswer::Cancel, Kind::Done, "L1 L2 L3 END",
                  LineEdit::Yes},
        LeaveCase{"PageYes", PageB, LineAnswer::Yes, Kind::Stored, "L1 L2x L3 END",
                  LineEdit::Saved},
        LeaveCase{"PageNo", PageB, LineAnswer::No, Kind::Redraw, "L1 L2 L3 END", LineEdit::No},
        LeaveCase{"PageCancel", PageB, LineAnswer::Cancel, Kind::Done, "L1 L2 L3 END",
                  LineEdit::Yes},
        LeaveCase{"InsertYes", Insert, LineAnswer::Yes, Kind::Redraw, "L1 _ L2x L3 END",
                  LineEdit::No},
        LeaveCase{"InsertNo", Insert, LineAnswer::No, Kind::Redraw, "L1 _ L2 L3 END", LineEdit::No},
        LeaveCase{"InsertCancel", Insert, LineAnswer::Cancel, Kind::Done, "L1 L2 L3 END",
                  LineEdit::Yes},
        LeaveCase{"DeleteYes", [](SessionTest& fixture, LineAnswer a) { return fixture.session.DeleteLine(a); },
                  LineAnswer::Yes, Kind::ConfirmDelete, "L1 L2x L3 END", LineEdit::No},
        LeaveCase{"CutNo", CutLine3, LineAnswer::No, Kind::Redraw, "L1 L2 END", LineEdit::No}),
    testsupport::RowName());

struct RefusalCase {
    const char* name;
    int lineCount;  // on page B
    std::function<editor::Reply(SessionTest&)> act;
    editor::Notice shown;
};

class Refused : public SessionTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(Refused, ShowsItsWarningAndLeavesTheProgramAlone) {
    Use(testpage::ProgramWithLines(1, GetParam().lineCount), 1);
    const model::Program before = program;
    const editor::Reply reply = GetParam().act(*this);
    EXPECT_EQ(reply.Then, Kind::Warn);
    EXPECT_EQ(reply.Message, GetParam().shown);
    EXPECT_TRUE(program.SameContent(before));
}

editor::Reply InsertOnLine10(SessionTest& t) {
    t.session.ClickRow(t.RowOf(10), true, LineAnswer::NotAsked);
    return t.session.InsertLine(LineAnswer::NotAsked);
}
editor::Reply DeleteEndPage(SessionTest& t) {
    t.session.ClickRow(t.RowOf(4), true, LineAnswer::NotAsked);
    return t.session.DeleteLine(LineAnswer::NotAsked);
}
editor::Reply PasteTwoLines(SessionTest& t) {
    t.session.CopyLines(t.Selecting(1, 2));
    return t.session.PasteLines(t.Selecting(5, 5), LineAnswer::NotAsked);
}
editor::Reply ReplaceOneLineByThree(SessionTest& t) {
    t.session.CopyLines(t.Selecting(1, 3));
    return t.session.ReplaceLines(t.Selecting(1, 1), LineAnswer::NotAsked);
}
// End Page in line 75, the page's last, is given another function, then stored.
editor::Reply GiveWayInTheLastLine(SessionTest& t, bool accept) {
    t.session.ClickRow(t.RowOf(75), true, LineAnswer::NotAsked);
    t.session.Core().ClickToolbar(6);
    return accept ? t.session.AcceptChange() : t.session.ClickRow(0, true, LineAnswer::Yes);
}

INSTANTIATE_TEST_SUITE_P(
    Operations, Refused,
    ::testing::Values(
        RefusalCase{"InsertWithEndPageInTheLastLine", 74, InsertOnLine10, editor::kPageFull},
        RefusalCase{"DeleteOfEndPage", 3, DeleteEndPage, editor::kCannotDeleteEndPage},
        RefusalCase{"PastePastLine74", 72, PasteTwoLines, editor::kNoRoomToPaste},
        RefusalCase{"ReplacePastLine74", 72, ReplaceOneLineByThree, editor::kNoRoomToReplace},
        RefusalCase{"StoreOnARowClick", 74,
                    [](SessionTest& fixture) { return GiveWayInTheLastLine(fixture, false); },
                    editor::kPageFull},
        RefusalCase{"StoreOnAccept", 74,
                    [](SessionTest& fixture) { return GiveWayInTheLastLine(fixture, true); },
                    editor::kPageFull}),
    testsupport::RowName());

// Input 7 is not fitted after New: a Check Input for it is a problem on pages A and B.
TEST_F(SessionTest, ErrorLogIsOfferedUntilAnEntryIsPickedThenOpensAtOnce) {
    model::Program problems = testpage::ProgramWithLines(0, 3);
    problems.PgmData[2].Code = {1, 0x07, 1, 0};
    problems.PgmData[300].Code = {1, 0x07, 1, 0};
    problems.PgmData[301].Code = {12, 0, 0, 0};
    program = problems;
    EXPECT_EQ(session.ListPage(0, 0), ErrorLogOffer::Ask);
    EXPECT_EQ(session.ListPage(0, 0), ErrorLogOffer::Ask);  // after a No, asked again
    EXPECT_EQ(session.ErrorLogClosed(std::nullopt), std::nullopt);
    EXPECT_EQ(session.ErrorLog(), ErrLogState::Cancel);
    EXPECT_EQ(session.ListPage(0, 0), ErrorLogOffer::Ask);
    EXPECT_EQ(session.ErrorLogClosed(4), 4);
    // The program selecting the picked row keeps the "yes"; the user's next click ends it.
    EXPECT_EQ(session.ClickRow(4, false, LineAnswer::NotAsked).Then, Kind::LineLoaded);
    EXPECT_EQ(session.State().CurLine, 2);
    EXPECT_EQ(session.ListPage(1, 0), ErrorLogOffer::Open);
    session.ClickRow(0, true, LineAnswer::NotAsked);
    EXPECT_EQ(session.ListPage(1, 0), ErrorLogOffer::Ask);
    session.ErrorLogClosed(0);
    EXPECT_EQ(session.ListPage(2, 0), ErrorLogOffer::None);
    EXPECT_EQ(session.ErrorLog(), ErrLogState::No);
}

TEST_F(SessionTest, ACommentRowKeepsTheLineAndItsEditsWithoutAsking) {
    Use(testpage::ProgramWithLines(0, 5));
    EditLine(2);
    const editor::Reply reply = session.ClickRow(RowOf(4) + 1, true, LineAnswer::NotAsked);
    EXPECT_EQ(reply.Then, Kind::CommentRow);
    EXPECT_EQ(reply.Row, RowOf(4) + 1);
    EXPECT_EQ(session.State().CurLine, 1);
    EXPECT_EQ(session.State().LineEdited, LineEdit::Yes);
}

// The store may give the stored line more comment rows, or make it End Page and cut off the
// line clicked: the click then ends on the clicked line's new row, or on End Page's.
TEST_F(SessionTest, RowClickThatStoredFindsTheClickedLineAgain) {
    Use(testpage::ProgramWithLines(0, 3));
    EditLine(1);
    session.SetEditComment(std::string(130, 'c'));
    const editor::Reply stored = session.ClickRow(RowOf(3), true, LineAnswer::Yes);
    ASSERT_EQ(stored.Then, Kind::Stored);
    session.ListPage(0, session.State().CurLine);
    EXPECT_EQ(session.RowAfterListing(), std::nullopt);
    const editor::Reply back = session.ReturnToLine(stored.Line);
    EXPECT_EQ(back.Then, Kind::LineLoaded);
    EXPECT_EQ(back.Row, 6);
    EXPECT_TRUE(back.Reselect);
    EXPECT_EQ(session.State().EditComment, "L3");
    EXPECT_EQ(session.State().LineEdited, LineEdit::No);

    Use(testpage::ProgramWithLines(0, 3));
    EditLine(2);
    session.Core().ClickToolbar(11);  // End Page
    session.ClickRow(RowOf(3), true, LineAnswer::Yes);
    session.ListPage(0, session.State().CurLine);
    EXPECT_EQ(session.ReturnToLine(2).Row, 2);  // End Page's, not its comment row below it
    EXPECT_EQ(session.State().CurLine, 1);
}

TEST_F(SessionTest, AcceptMovesOnToTheEndPageThatGaveWayPastTheNewLinesComment) {
    Use(testpage::ProgramWithLines(0, 0));
    EXPECT_EQ(session.AcceptChange().Then, Kind::Done);  // nothing edited
    session.Core().ClickToolbar(6);
    session.SetEditComment("c");
    EXPECT_EQ(session.AcceptChange().Then, Kind::Stored);
    session.ListPage(0, 0);
    EXPECT_EQ(session.RowAfterAccept(), 2);  // Wait, its comment, End Page
    EXPECT_EQ(session.State().LineEdited, LineEdit::No);
    EXPECT_EQ(Page(), "c END");
}

TEST_F(SessionTest, AcceptWithATimeOverItsLimitStoresNothing) {
    Use(testpage::ProgramWithLines(0, 0));
    session.Core().ClickToolbar(6);
    session.Core().ChangeTimeCount("60000");
    const editor::Reply reply = session.AcceptChange();
    EXPECT_EQ(reply.Then, Kind::BoxOverLimit);
    EXPECT_EQ(reply.Box, editor::FieldId::TimeCount);
    EXPECT_EQ(reply.Message, (editor::Notice{"Error", "Time cannot exceed 59999.99"}));
    EXPECT_EQ(Page(), "END");
}

TEST_F(SessionTest, CancelLoadsTheStoredLineAgain) {
    Use(testpage::ProgramWithLines(0, 3));
    EditLine(2);
    session.Core().ClickToolbar(1);
    session.CancelChange();
    EXPECT_EQ(session.State().EditCode, (std::array<int32_t, 4>{9, 0, 2, 0}));
    EXPECT_EQ(session.State().EditComment, "L2");
    EXPECT_EQ(session.State().LineEdited, LineEdit::No);
}

TEST_F(SessionTest, CutAndPasteLeaveTheFirstLineOfTheirBlockCurrent) {
    Use(testpage::ProgramWithLines(0, 6));
    EXPECT_FALSE(session.CanPaste());
    session.CopyLines(Selecting(5, 6));
    EXPECT_TRUE(session.CanPaste());
    EXPECT_EQ(session.CutLines(Selecting(2, 3), LineAnswer::NotAsked).Then, Kind::Redraw);
    EXPECT_EQ(session.State().CurLine, 1);
    EXPECT_EQ(session.State().ListRow, 2);
    Show(0, session.State().CurLine);
    EXPECT_EQ(session.PasteLines(Selecting(4, 4), LineAnswer::NotAsked).Then, Kind::Redraw);
    EXPECT_EQ(session.State().CurLine, 3);
    EXPECT_EQ(session.State().ListRow, 6);
}

TEST_F(SessionTest, RedrawingSelectsTheRowItWasOnWithinTheRowsLeft) {
    Use(testpage::ProgramWithLines(0, 5));
    session.ClickRow(RowOf(6), true, LineAnswer::NotAsked);
    program = testpage::ProgramWithLines(0, 1);
    session.ListPage(0, 0);
    EXPECT_EQ(session.RowAfterListing(), 2);
}

TEST_F(SessionTest, PageNameRefusesQuotesAndLengthButIsNoEditOfTheProgram) {
    EXPECT_FALSE(editor::PageSession::PageNameKeyAccepted(0, '"'));
    EXPECT_TRUE(editor::PageSession::PageNameKeyAccepted(64, 'a'));
    EXPECT_FALSE(editor::PageSession::PageNameKeyAccepted(65, 'a'));
    EXPECT_TRUE(editor::PageSession::PageNameKeyAccepted(65, '\b'));
    Use(testpage::ProgramWithLines(2, 1), 2);
    session.RenamePage("say \"go\"");
    EXPECT_EQ(program.PageName[2], "say 'go'");
    EXPECT_FALSE(program.PgmChanged);
}

}  // namespace
