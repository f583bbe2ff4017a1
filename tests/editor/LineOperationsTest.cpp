// Inserting, deleting, cutting, copying, pasting and replacing lines, and storing the edited
// line, keep End Page right.
#include <gtest/gtest.h>

#include <functional>

#include "editor/EndPage.h"
#include "editor/LineOperations.h"
#include "editor/StoreLine.h"
#include "model/PageListing.h"
#include "tests/editor/PageBuilder.h"

namespace {

using editor::LineOpResult;
using R = LineOpResult;
using M = editor::EditMode;
using P = model::Program&;

constexpr int kPage = 1;  // page B: 75 lines, End Page at most in the last
constexpr int kBase = model::PageBase(kPage);

// Lines first..last (1-based) as a run of the selection; how a selection makes a run is the
// SelectionRun test's.
editor::LineRun Run(const model::Program& program, int first, int last) {
    const bool endPage = program.PgmData[kBase + last - 1].F() == editor::kEndPageCode;
    return {first - 1, last - first + 1, 0, endPage};
}

editor::LineClipboard Copied(const model::Program& program, int first, int last) {
    editor::LineClipboard clipboard;
    editor::CopyLines(program, kPage, Run(program, first, last), clipboard);
    return clipboard;
}

// Paste, Replace and Cut on page B by line numbers (1-based).
LineOpResult Paste(P p, int line, int first, int last) {
    return editor::PasteLines(p, kPage, line - 1, Copied(p, first, last));
}
LineOpResult Replace(P p, int first, int last, int copiedFirst, int copiedLast) {
    return editor::ReplaceLines(p, kPage, Run(p, first, last), Copied(p, copiedFirst, copiedLast));
}
// Cuts lines first..last; the clipboard must hold `taken`.
LineOpResult Cut(P p, int first, int last, const std::string& taken) {
    editor::LineClipboard clipboard;
    editor::CutLines(p, kPage, Run(p, first, last), clipboard);
    std::string comments;
    for (const model::PgmRecord& record : clipboard.Records())
        comments += record.Comment + " ";
    EXPECT_EQ(comments, taken);
    return LineOpResult::Done;
}

// Stores `code` with the comment "s" into line `line`, edited in `mode`; the editor's mode is
// `modeAfter` then. A refused store counts as a full page.
std::function<R(P)> Store(int line, std::array<int32_t, 4> code, M mode, M modeAfter) {
    return [=](P p) {
        editor::EditorState state;
        state.CurPage = kPage;
        state.CurLine = line - 1;
        state.EditCode = code;
        state.EditComment = "s";
        state.Mode = mode;
        state.LineEdited = editor::LineEdit::Yes;
        const bool stored = editor::StoreLine(p, state) == editor::StoreResult::Stored;
        EXPECT_EQ(state.Mode, modeAfter);
        EXPECT_EQ(state.LineEdited, stored ? editor::LineEdit::Saved : editor::LineEdit::Yes);
        return stored ? R::Done : R::PageFull;
    };
}

// Page B as "L1 _ L2 END(its comment) +1": its lines through End Page, then how many records
// past End Page are not blank.
std::string PageB(const model::Program& program) {
    std::string text = testpage::Lines(program, kPage);
    const int end = editor::FindEndPage(program, kPage);
    if (!program.PgmData[kBase + end].Comment.empty())
        text += "(" + program.PgmData[kBase + end].Comment + ")";
    int rest = 0;
    for (int offset = end + 1; offset <= model::PageLast(kPage); ++offset)
        rest += program.PgmData[kBase + offset] != model::PgmRecord();
    return text + " +" + std::to_string(rest);
}

// Each case starts from lines L1..L<lineCount> on page B and an End Page with the comment "e".
struct OpCase {
    const char* name;
    int lineCount;
    std::function<LineOpResult(P)> op;
    R result;
    const char* after;  // page B after an operation that is done, when short enough to spell out
    int endPage;        // End Page's index register afterwards
};

const OpCase kCases[] = {
    {"InsertFillsThePageUpToItsLastLine", 73, [](P p) { return editor::InsertLine(p, kPage, 2); },
     R::Done, nullptr, 74},
    {"InsertIntoAFullPage", 74, [](P p) { return editor::InsertLine(p, kPage, 2); }, R::PageFull,
     nullptr, 74},
    {"InsertMovesTheLinesFromItDownWhateverTheRegisterSays", 5,
     [](P p) {
         editor::StoreEndPageIndex(p, kPage, 0);  // as another tool might leave it
         return editor::InsertLine(p, kPage, 1);
     },
     R::Done, "L1 _ L2 L3 L4 L5 END(e) +1", 6},
    {"DeleteMovesTheLinesBelowUpKeepingTheLinesTheyName", 4,
     [](P p) {
         p.PgmData[kBase + 3].Code = {1, 0x01, 1, 3};  // line 4 jumps to line 3
         const R result = editor::DeleteLine(p, kPage, 1);
         EXPECT_EQ(p.PgmData[kBase + 2].P3(), 3);
         return result;
     },
     R::Done, "L1 L3 L4 END(e) +1", 3},
    {"DeleteOfEndPage", 3, [](P p) { return editor::DeleteLine(p, kPage, 3); },
     R::CannotDeleteEndPage, nullptr, 3},
    {"PasteGoesBeforeTheLine", 8, [](P p) { return Paste(p, 2, 3, 5); }, R::Done,
     "L1 L3 L4 L5 L2 L3 L4 L5 L6 L7 L8 END(e) +1", 11},
    {"PasteOfABlockEndingWithEndPageEndsThePage", 6, [](P p) { return Paste(p, 3, 6, 7); }, R::Done,
     "L1 L2 L6 END(e) +1", 3},
    {"PasteFillsThePageUpToItsLastLine", 70, [](P p) { return Paste(p, 1, 1, 3); }, R::Done,
     nullptr, 73},
    {"PastePastThePagesLastLine", 70, [](P p) { return Paste(p, 1, 1, 4); }, R::NoRoomToPaste,
     nullptr, 70},
    {"CutClosesTheGap", 6, [](P p) { return Cut(p, 2, 3, "L2 L3 "); }, R::Done,
     "L1 L4 L5 L6 END(e) +1", 4},
    {"CutTakingEndPageLeavesAFreshOneAndWhatLiesPastIt", 6,
     [](P p) { return Cut(p, 5, 7, "L5 L6 e "); }, R::Done, "L1 L2 L3 L4 END +1", 4},
    {"ReplaceByMoreLinesGrowsThePage", 8, [](P p) { return Replace(p, 2, 3, 4, 8); }, R::Done,
     "L1 L4 L5 L6 L7 L8 L4 L5 L6 L7 L8 END(e) +1", 11},
    {"ReplaceByFewerLinesShrinksThePage", 8, [](P p) { return Replace(p, 3, 7, 1, 2); }, R::Done,
     "L1 L2 L1 L2 L8 END(e) +1", 5},
    {"ReplaceOverEndPageLeavesAFreshOneAfterTheBlock", 4,
     [](P p) { return Replace(p, 4, 5, 1, 2); }, R::Done, "L1 L2 L3 L1 L2 END +1", 5},
    {"ReplacePastThePagesLastLine", 72, [](P p) { return Replace(p, 1, 1, 1, 3); },
     R::NoRoomToReplace, nullptr, 72},
    {"StoreWritesTheCodeUpTo255AndTheComment", 3,
     [](P p) {
         const R result = Store(2, {9, 300, 2, 3}, M::Line, M::Line)(p);
         EXPECT_EQ(p.PgmData[kBase + 1].Code, (std::array<int16_t, 4>{9, 255, 2, 3}));
         return result;
     },
     R::Done, "L1 s L3 END(e) +1", 3},
    {"StoreOfEndPageClearsTheLinesAfterItButTheLast", 60,
     Store(5, {12, 0, 0, 0}, M::NewEnd, M::NewEnd), R::Done, "L1 L2 L3 L4 END(s) +1", 4},
    {"StoreOverEndPagePushesItDown", 3, Store(4, {9, 0, 5, 0}, M::Line, M::End), R::Done,
     "L1 L2 L3 s END +1", 4},
    {"StoreOverEndPageInTheLastLine", 74, Store(75, {9, 0, 5, 0}, M::Line, M::Line), R::PageFull,
     nullptr, 74},
};

TEST(LineOperations, KeepEndPageAndItsRegisterRightOrChangeNothing) {
    for (const OpCase& c : kCases) {
        SCOPED_TRACE(c.name);
        model::Program program = testpage::ProgramWithLines(kPage, c.lineCount);
        program.PgmData[kBase + c.lineCount].Comment = "e";
        const model::Program before = program;
        EXPECT_EQ(c.op(program), c.result);
        EXPECT_EQ(program.RegisterByte(kPage + 1, 0), c.endPage);
        EXPECT_EQ(program.PgmChanged, c.result == R::Done);
        if (c.result != R::Done) {
            EXPECT_TRUE(program.SameContent(before));
        } else if (c.after != nullptr) {
            EXPECT_EQ(PageB(program), c.after);
        }
    }
}

TEST(DeleteLine, AsksAboutTheLinesItMovesUp) {
    EXPECT_EQ(editor::DeleteQuestion(testpage::ProgramWithLines(kPage, 11), kPage, 2),
              "This will remove line 3 and move lines 4 thru 12 up.\r\n"
              "Are you sure you want to continue?");
}

TEST(SelectionRun, StopsAtAnUnselectedCommentRowOrAfterEndPage) {
    model::Program program = testpage::ProgramWithLines(0, 5);
    program.PgmData[1].Comment = std::string(70, 'c');  // line 2 has two comment rows
    const auto rows = model::ListPage(program, 0).Rows;
    // Rows: L1, its comment, L2, c, c, L3 ...; from L1's row through L3's, but not L2's second
    // comment row.
    std::vector<bool> selected = testpage::Selected(rows.size(), 0, 6);
    selected[4] = false;
    const auto run = editor::FindSelectionRun(program, 0, rows, selected);
    ASSERT_TRUE(run.has_value());
    EXPECT_EQ(run->FirstLine, 0);
    EXPECT_EQ(run->LineCount, 2);
    EXPECT_FALSE(run->IncludesEndPage);
    EXPECT_FALSE(editor::FindSelectionRun(program, 0, rows, std::vector<bool>(rows.size())));
    // From line 4's row to the last: lines 4, 5 and End Page.
    const auto toTheEnd = testpage::Selected(rows.size(), 7, rows.size() - 1);
    EXPECT_EQ(editor::FindSelectionRun(program, 0, rows, toTheEnd)->LineCount, 3);
    EXPECT_TRUE(editor::FindSelectionRun(program, 0, rows, toTheEnd)->IncludesEndPage);
}

}  // namespace
