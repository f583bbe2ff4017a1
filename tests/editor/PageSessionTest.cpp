// The page session without a window: the unsaved-line question on every way off a line, the
// refusals, the error log's state, the row a click or an accept ends on, and the clipboard.
#include <gtest/gtest.h>

#include "editor/PageSession.h"
#include "tests/editor/PageBuilder.h"
#include "tests/support/RowName.h"

namespace {

using editor::ErrorLogOffer;
using A = editor::LineAnswer;
using E = editor::LineEdit;
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
            session.ClickRow(*row, false, A::NotAsked);
    }
    // The row of line n (1-based) on a page of numbered lines, one comment row to each.
    static int RowOf(int line) { return 2 * (line - 1); }
    editor::Reply Click(int line, A answer = A::NotAsked) {
        return session.ClickRow(RowOf(line), true, answer);
    }
    // The rows of lines first..last with their comment rows, as a drag selects them.
    std::vector<bool> Selecting(int first, int last) const {
        return testpage::Selected(session.Listing().Rows.size(), RowOf(first), RowOf(last) + 1);
    }
    // Clicks line n and types "x" at the end of its comment.
    void EditLine(int line) {
        Click(line);
        session.SetEditComment(session.State().EditComment + "x");
        session.MarkLineEdited();
    }
    std::string PageA() const { return testpage::Lines(program, 0); }

    // The warning a reply shows; none for a reply of another kind.
    static editor::Notice Warning(const editor::Reply& r) {
        return r.Then == Kind::Warn ? r.Message : editor::Notice{};
    }

    // Ways off line 2, answering the unsaved-line question with `a` when it is asked.
    editor::Reply ToLine3(A a) { return Click(3, a); }
    editor::Reply ToPageB(A a) { return session.ChangePage(1, a); }
    editor::Reply Insert(A a) { return session.InsertLine(a); }
    editor::Reply Delete(A a) { return session.DeleteLine(a); }
    editor::Reply CutLine3(A a) { return session.CutLines(Selecting(3, 3), a); }

    model::Program program;
    editor::PageSession session{program};
};
using Step = editor::Reply (SessionTest::*)(A);

struct LeaveCase {
    const char* name;
    Step leave;  // off line 2 of page A
    A answer;
    Kind then;
    const char* pageA;
    E lineEdited;
};

class UnsavedLine : public SessionTest, public ::testing::WithParamInterface<LeaveCase> {};

// Each way off an edited line asks first and changes nothing until answered; then Yes stores the
// edit where the line stands, No drops it, Cancel keeps it and abandons the move.
TEST_P(UnsavedLine, IsAskedAboutThenStoredDroppedOrKept) {
    const LeaveCase& c = GetParam();
    Use(testpage::ProgramWithLines(0, 3));
    EditLine(2);
    EXPECT_EQ((this->*c.leave)(A::NotAsked).Then, Kind::AskAboutLine);
    EXPECT_EQ(PageA(), "L1 L2 L3 END");
    EXPECT_EQ(session.State().LineEdited, E::Yes);
    EXPECT_EQ((this->*c.leave)(c.answer).Then, c.then);
    EXPECT_EQ(PageA(), c.pageA);
    EXPECT_EQ(session.State().LineEdited, c.lineEdited);
}

const LeaveCase kLeaveCases[] = {
    {"RowClickYes", &SessionTest::ToLine3, A::Yes, Kind::Stored, "L1 L2x L3 END", E::Saved},
    {"RowClickNo", &SessionTest::ToLine3, A::No, Kind::LineLoaded, "L1 L2 L3 END", E::No},
    {"RowClickCancel", &SessionTest::ToLine3, A::Cancel, Kind::Done, "L1 L2 L3 END", E::Yes},
    {"PageYes", &SessionTest::ToPageB, A::Yes, Kind::Stored, "L1 L2x L3 END", E::Saved},
    {"PageNo", &SessionTest::ToPageB, A::No, Kind::Redraw, "L1 L2 L3 END", E::No},
    {"PageCancel", &SessionTest::ToPageB, A::Cancel, Kind::Done, "L1 L2 L3 END", E::Yes},
    {"InsertYes", &SessionTest::Insert, A::Yes, Kind::Redraw, "L1 _ L2x L3 END", E::No},
    {"InsertCancel", &SessionTest::Insert, A::Cancel, Kind::Done, "L1 L2 L3 END", E::Yes},
    {"DeleteYes", &SessionTest::Delete, A::Yes, Kind::ConfirmDelete, "L1 L2x L3 END", E::No},
    {"CutNo", &SessionTest::CutLine3, A::No, Kind::Redraw, "L1 L2 END", E::No},
};
INSTANTIATE_TEST_SUITE_P(Ways, UnsavedLine, ::testing::ValuesIn(kLeaveCases),
                         testsupport::RowName());

// What refuses is the line operation's or the store's rule (tested there); the session shows
// the warning that goes with it.
TEST_F(SessionTest, RefusedOperationsAndStoresShowTheirWarning) {
    Use(testpage::ProgramWithLines(1, 74), 1);  // End Page in the page's last line
    Click(10);
    EXPECT_EQ(Warning(session.InsertLine(A::NotAsked)), editor::kPageFull);
    Click(75);
    session.Core().ClickToolbar(6);
    EXPECT_EQ(Warning(session.AcceptChange()), editor::kPageFull);
    EXPECT_EQ(Warning(Click(1, A::Yes)), editor::kPageFull);

    Use(testpage::ProgramWithLines(1, 72), 1);
    session.CopyLines(Selecting(1, 2));
    EXPECT_EQ(Warning(session.PasteLines(Selecting(5, 5), A::NotAsked)), editor::kNoRoomToPaste);
    session.CopyLines(Selecting(1, 3));
    EXPECT_EQ(Warning(session.ReplaceLines(Selecting(1, 1), A::NotAsked)),
              editor::kNoRoomToReplace);

    Use(testpage::ProgramWithLines(1, 3), 1);
    Click(4);
    EXPECT_EQ(Warning(session.DeleteLine(A::NotAsked)), editor::kCannotDeleteEndPage);
}

// Input 7 is not fitted after New: a Check Input for it is a problem on pages A and B.
TEST_F(SessionTest, ErrorLogIsOfferedUntilAnEntryIsPickedThenOpensAtOnce) {
    program = testpage::ProgramWithLines(0, 3);
    program.PgmData[2].Code = {1, 0x07, 1, 0};
    program.PgmData[300].Code = {1, 0x07, 1, 0};
    program.PgmData[301].Code = {12, 0, 0, 0};
    EXPECT_EQ(session.ListPage(0, 0), ErrorLogOffer::Ask);
    EXPECT_EQ(session.ListPage(0, 0), ErrorLogOffer::Ask);  // after a No, asked again
    session.ErrorLogClosed(std::nullopt);
    EXPECT_EQ(session.ErrorLog(), editor::ErrLogState::Cancel);
    EXPECT_EQ(session.ListPage(0, 0), ErrorLogOffer::Ask);
    session.ErrorLogClosed(4);
    // The program selecting the picked row keeps the "yes"; the user's next click ends it.
    session.ClickRow(4, false, A::NotAsked);
    EXPECT_EQ(session.ListPage(1, 0), ErrorLogOffer::Open);
    Click(1);
    EXPECT_EQ(session.ListPage(1, 0), ErrorLogOffer::Ask);
    session.ErrorLogClosed(0);
    EXPECT_EQ(session.ListPage(2, 0), ErrorLogOffer::None);  // which ends the "yes"
    EXPECT_EQ(session.ListPage(1, 0), ErrorLogOffer::Ask);
}

// A comment row belongs to the line above it: the current line and its edits stay, unasked.
TEST_F(SessionTest, ACommentRowKeepsTheEditedLineAndCancelLoadsTheStoredLineAgain) {
    Use(testpage::ProgramWithLines(0, 5));
    EditLine(2);
    session.Core().ClickToolbar(1);
    const editor::Reply reply = session.ClickRow(RowOf(4) + 1, true, A::NotAsked);
    EXPECT_EQ(reply.Then, Kind::CommentRow);
    EXPECT_EQ(reply.Row, RowOf(4) + 1);
    EXPECT_EQ(session.State().LineEdited, E::Yes);
    session.CancelChange();
    EXPECT_EQ(session.State().EditCode, (std::array<int32_t, 4>{9, 0, 2, 0}));
    EXPECT_EQ(session.State().EditComment, "L2");
    EXPECT_EQ(session.State().LineEdited, E::No);
}

// The store may give the stored line more comment rows, or make it End Page and cut off the
// line clicked: the click then ends on the clicked line's new row, or on End Page's.
TEST_F(SessionTest, RowClickThatStoredFindsTheClickedLineAgain) {
    Use(testpage::ProgramWithLines(0, 3));
    EditLine(1);
    session.SetEditComment(std::string(130, 'c'));
    const editor::Reply stored = Click(3, A::Yes);
    ASSERT_EQ(stored.Then, Kind::Stored);
    session.ListPage(0, session.State().CurLine);
    EXPECT_EQ(session.RowAfterListing(), std::nullopt);
    const editor::Reply back = session.ReturnToLine(stored.Line);
    EXPECT_EQ(back.Row, 6);
    EXPECT_TRUE(back.Reselect);
    EXPECT_EQ(session.State().EditComment, "L3");
    EXPECT_EQ(session.State().LineEdited, E::No);

    Use(testpage::ProgramWithLines(0, 3));
    EditLine(2);
    session.Core().ClickToolbar(11);  // End Page
    Click(3, A::Yes);
    session.ListPage(0, session.State().CurLine);
    EXPECT_EQ(session.ReturnToLine(2).Row, 2);  // End Page's, not its comment row below it
    EXPECT_EQ(session.State().CurLine, 1);
}

// A time over its limit keeps the line from being stored; once stored, Accept moves on to the
// End Page that gave way, past the new line's comment.
TEST_F(SessionTest, AcceptStoresNothingOverALimitAndMovesOnToTheEndPageThatGaveWay) {
    Use(testpage::ProgramWithLines(0, 0));
    EXPECT_EQ(session.AcceptChange().Then, Kind::Done);  // nothing edited
    session.Core().ClickToolbar(6);
    session.SetEditComment("c");
    session.Core().ChangeTimeCount("60000");
    const editor::Reply refused = session.AcceptChange();
    EXPECT_EQ(refused.Then, Kind::BoxOverLimit);
    EXPECT_EQ(refused.Box, editor::FieldId::TimeCount);
    EXPECT_EQ(refused.Message, (editor::Notice{"Error", "Time cannot exceed 59999.99"}));
    EXPECT_EQ(PageA(), "END");
    session.Core().ChangeTimeCount("1");
    EXPECT_EQ(session.AcceptChange().Then, Kind::Stored);
    session.ListPage(0, 0);
    EXPECT_EQ(session.RowAfterAccept(), 2);  // Wait, its comment, End Page
    EXPECT_EQ(session.State().LineEdited, E::No);
    EXPECT_EQ(PageA(), "c END");
}

// The redrawing after them selects that line's row, kept within the rows the page has left.
TEST_F(SessionTest, CutAndPasteLeaveTheFirstLineOfTheirBlockCurrent) {
    Use(testpage::ProgramWithLines(0, 6));
    EXPECT_FALSE(session.CanPaste());
    session.CopyLines(Selecting(5, 6));
    EXPECT_TRUE(session.CanPaste());
    EXPECT_EQ(session.CutLines(Selecting(2, 3), A::NotAsked).Then, Kind::Redraw);
    EXPECT_EQ(session.State().CurLine, 1);
    EXPECT_EQ(session.State().ListRow, 2);
    Show(0, session.State().CurLine);
    EXPECT_EQ(session.PasteLines(Selecting(4, 4), A::NotAsked).Then, Kind::Redraw);
    EXPECT_EQ(session.State().CurLine, 3);
    EXPECT_EQ(session.State().ListRow, 6);
    program = testpage::ProgramWithLines(0, 1);
    session.ListPage(0, 0);
    EXPECT_EQ(session.RowAfterListing(), 2);
    // Lines copied under other hardware are not pasted under the new.
    session.HardwareChanged();
    EXPECT_FALSE(session.CanPaste());
}

TEST_F(SessionTest, PageNameRefusesQuotesAndLengthAndMarksTheProgramChanged) {
    EXPECT_FALSE(editor::PageSession::PageNameKeyAccepted(0, '"'));
    EXPECT_TRUE(editor::PageSession::PageNameKeyAccepted(64, 'a'));
    EXPECT_FALSE(editor::PageSession::PageNameKeyAccepted(65, 'a'));
    EXPECT_TRUE(editor::PageSession::PageNameKeyAccepted(65, '\b'));
    Use(testpage::ProgramWithLines(2, 1), 2);
    session.RenamePage("say \"go\"");
    EXPECT_EQ(program.PageName[2], "say 'go'");
    EXPECT_TRUE(program.PgmChanged);
}

}  // namespace
