// Storing the edited line, and what that does to End Page.
#include <gtest/gtest.h>

#include "editor/StoreLine.h"
#include "tests/editor/PageBuilder.h"

namespace {

editor::EditorState StateOn(int page, int line, std::array<int32_t, 4> code) {
    editor::EditorState state;
    state.CurPage = page;
    state.CurLine = line;
    state.EditCode = code;
    state.LineEdited = editor::LineEdit::Yes;
    return state;
}

TEST(StoreLine, WritesTheCodeCappedAt255AndTheComment) {
    model::Program program = testpage::ProgramWithLines(0, 3);
    editor::EditorState state = StateOn(0, 1, {9, 300, 2, 3});
    state.EditComment = "new";
    EXPECT_EQ(editor::StoreLine(program, state), editor::StoreResult::Stored);
    EXPECT_EQ(program.PgmData[1].Code, (std::array<int16_t, 4>{9, 255, 2, 3}));
    EXPECT_EQ(program.PgmData[1].Comment, "new");
    EXPECT_TRUE(program.PgmChanged);
    EXPECT_EQ(state.LineEdited, editor::LineEdit::Saved);
}

TEST(StoreLine, EndPageOnLine5ClearsTheRestOfThePageButItsLastRecord) {
    model::Program program = testpage::ProgramWithLines(1, 60);
    program.PgmData[374].Comment = "last";
    editor::EditorState state = StateOn(1, 4, {12, 0, 0, 0});
    state.Mode = editor::EditMode::NewEnd;
    EXPECT_EQ(editor::StoreLine(program, state), editor::StoreResult::Stored);
    EXPECT_EQ(program.RegisterByte(2, 0), 4);
    for (int r = 305; r <= 373; ++r)
        ASSERT_TRUE(program.PgmData[r].IsBlank()) << r;
    EXPECT_EQ(program.PgmData[374].Comment, "last");
    EXPECT_EQ(testpage::Lines(program, 1), "L1 L2 L3 L4 END");
}

TEST(StoreLine, GivingEndPageAnotherFunctionPushesEndPageDown) {
    model::Program program = testpage::ProgramWithLines(0, 3);
    editor::EditorState state = StateOn(0, 3, {9, 0, 5, 0});
    state.Mode = editor::EditMode::Line;
    EXPECT_EQ(editor::StoreLine(program, state), editor::StoreResult::Stored);
    EXPECT_EQ(state.Mode, editor::EditMode::End);
    EXPECT_EQ(program.PgmData[4].F(), 12);
    EXPECT_EQ(program.RegisterByte(1, 0), 4);
    EXPECT_EQ(program.PgmData[3].Code, (std::array<int16_t, 4>{9, 0, 5, 0}));
}

TEST(StoreLine, EndPageInTheLastSlotCannotGiveWay) {
    model::Program program = testpage::ProgramWithLines(1, 74);  // End Page in line 75
    const model::Program before = program;
    editor::EditorState state = StateOn(1, 74, {9, 0, 5, 0});
    state.Mode = editor::EditMode::Line;
    EXPECT_EQ(editor::StoreLine(program, state), editor::StoreResult::PageFull);
    EXPECT_TRUE(program.SameContent(before));
    EXPECT_FALSE(program.PgmChanged);
    EXPECT_EQ(program.PgmData[375].F(), 0);  // nothing written past the page
}

}  // namespace
