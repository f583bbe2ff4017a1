// Undo and redo over snapshots of the program, and the saved state they keep track of.
#include <gtest/gtest.h>

#include "editor/UndoHistory.h"
#include "model/NewProgram.h"

namespace {

using editor::UndoHistory;

class UndoHistoryTest : public ::testing::Test {
  protected:
    UndoHistoryTest() {
        model::MakeNewProgram(program);
        program.PgmFile = "/plant.zlp";
        history.Reset(true);
    }
    // Names page A `name` as a command of the window would, recording the step.
    void Rename(const std::string& name, UndoHistory::Kind kind = UndoHistory::Kind::Command) {
        const model::Program before = program;
        program.PageName[0] = name;
        program.PgmChanged = true;
        history.Record("Rename Page A", before, program, kind);
    }
    model::Program program;
    UndoHistory history{3};
};

// Undoing back to the saved program clears PgmChanged, redoing sets it again; the file name is
// not part of the history.
TEST_F(UndoHistoryTest, UndoToTheSavedStateClearsTheChangedFlag) {
    Rename("Filler");
    EXPECT_EQ(history.UndoName(), "Rename Page A");
    ASSERT_TRUE(history.Undo(program));
    EXPECT_EQ(program.PageName[0], "");
    EXPECT_FALSE(program.PgmChanged);
    EXPECT_EQ(history.RedoName(), "Rename Page A");
    ASSERT_TRUE(history.Redo(program));
    EXPECT_EQ(program.PageName[0], "Filler");
    EXPECT_TRUE(program.PgmChanged);
    EXPECT_EQ(program.PgmFile, "/plant.zlp");

    history.MarkSaved();
    history.Undo(program);
    EXPECT_TRUE(program.PgmChanged) << "the saved program has the name";
}

// A command that changes nothing is no step; a new step after an undo drops the redo, and a
// saved program that was undone is then out of reach.
TEST_F(UndoHistoryTest, NoStepWithoutAChangeAndANewStepDropsTheRedo) {
    history.Record("Cancel", program, program);
    EXPECT_FALSE(history.CanUndo());
    Rename("A");
    history.MarkSaved();
    history.Undo(program);
    Rename("B");
    EXPECT_FALSE(history.CanRedo());
    history.Undo(program);
    EXPECT_TRUE(program.PgmChanged) << "the saved 'A' cannot come back";
}

// Letters typed one after another are one step, unless a save comes between them.
TEST_F(UndoHistoryTest, TypingIsOneStepUntilTheProgramIsSaved) {
    using Kind = UndoHistory::Kind;
    Rename("F", Kind::Typing);
    Rename("Fi", Kind::Typing);
    history.MarkSaved();
    Rename("Fil", Kind::Typing);
    EXPECT_EQ(history.Steps(), 2u);
    history.Undo(program);
    EXPECT_EQ(program.PageName[0], "Fi");
    EXPECT_FALSE(program.PgmChanged);
    history.Undo(program);
    EXPECT_EQ(program.PageName[0], "");
}

// The oldest steps go beyond the depth; the saved state with them.
TEST_F(UndoHistoryTest, KeepsItsDepthOfSteps) {
    for (const char* name : {"1", "2", "3", "4"})
        Rename(name);
    EXPECT_EQ(history.Steps(), 3u);
    while (history.Undo(program)) {
    }
    EXPECT_EQ(program.PageName[0], "1");
    EXPECT_TRUE(program.PgmChanged);
}

}  // namespace
