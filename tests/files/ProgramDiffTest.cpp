// Two programs compared in the listing's words, and the lines that use an input, an output, a
// timer, a counter or a message.
#include <gtest/gtest.h>

#include "files/ProgramDiff.h"
#include "model/NewProgram.h"
#include "model/Program.h"
#include "model/WhereUsed.h"

namespace {

using Lines = std::vector<std::string>;

class ProgramDiffTest : public ::testing::Test {
  protected:
    ProgramDiffTest() {
        model::MakeNewProgram(before);
        before.PgmData[0].Code = {255, 0x02, 0, 0};  // Turn ON Output 2
        before.PgmData[1].Code = {9, 0, 1, 0};
        before.PgmData[2].Code = {12, 0, 0, 0};
        after = before;
    }
    model::Program before;
    model::Program after;
};

// A changed line shows under its page and number with its old and new row, a register under
// its number and meaning (and the setup it describes); what lies past the End Page is not part
// of the program.
TEST_F(ProgramDiffTest, ChangedLineAndRegisterInTheListingsWords) {
    EXPECT_TRUE(files::ProgramDifferences(before, after).empty());
    after.PgmData[10].Code = {9, 0, 5, 0};
    EXPECT_TRUE(files::ProgramDifferences(before, after).empty());
    after.PgmData[1].Code = {9, 0, 2, 0};
    after.SetRegisterByte(20, 0, 3);
    EXPECT_EQ(
        files::ProgramDifferences(before, after),
        (Lines{"Page A, line 2", "-     2          Wait 1.00 Second",
               "+     2          Wait 2.00 Seconds", "Block 20", "- Block 20 ..... Not Installed",
               "+ Block 20 ..... Installed with  3 inputs  &   0 outputs",
               "BIOS register 20, block 20 inputs, outputs, analog", "- 0, 0, 0, 2",
               "+ 3, 0, 0, 2"}));
}

// Names and panels count for files; a unit holds neither.
TEST_F(ProgramDiffTest, ScopeOfAUnitLeavesOutNamesAndPanels) {
    after.IOName[2][model::kOutput] = "PUMP";
    after.Tmr.Data[0].Name = "Mixer";
    const Lines all = files::ProgramDifferences(before, after);
    EXPECT_EQ(all.front(), "Page A, line 1");
    EXPECT_NE(std::find(all.begin(), all.end(), "Timer 1"), all.end());
    EXPECT_TRUE(
        files::ProgramDifferences(before, after, files::DiffScope::PagesAndRegisters).size() == 3)
        << "the line reads the output's name";
}

TEST(RegisterMeaning, FollowsTheBlockTable) {
    EXPECT_EQ(files::RegisterMeaning(110), "block 10 inputs, outputs, analog");
    EXPECT_EQ(files::RegisterMeaning(11), "input speed of input 1");
    EXPECT_EQ(files::RegisterMeaning(118), "input speed of input 18");
    EXPECT_EQ(files::RegisterMeaning(3), "End Page line of page C");
    EXPECT_EQ(files::RegisterMeaning(119), "MCU setting");
}

// Compare Inputs names three inputs; a timer is its number above 160; lines past End Page do
// not count.
TEST(WhereUsed, FindsEachParameterThatNamesTheNumber) {
    model::Program program;
    model::MakeNewProgram(program);
    program.PgmData[0].Code = {3, 0x01, 0x02, 0x07};  // Compare Inputs 1, 2 & 7
    program.PgmData[1].Code = {32, 163, 4, 0};        // Start Timer 3
    program.PgmData[2].Code = {1, 0x07, 1, 0};        // Check Input 7
    program.PgmData[3].Code = {12, 0, 0, 0};
    program.PgmData[4].Code = {1, 0x07, 1, 0};
    const std::vector<model::LineUse> uses = model::WhereUsed(program, model::UsedKind::Input, 7);
    ASSERT_EQ(uses.size(), 2u);
    EXPECT_EQ(uses[0].Line * 10 + uses[1].Line, 13);
    EXPECT_EQ(uses[1].Text.rfind("Check Input 7", 0), 0u) << uses[1].Text;
    EXPECT_EQ(model::WhereUsed(program, model::UsedKind::Timer, 3).size(), 1u);
    EXPECT_TRUE(model::WhereUsed(program, model::UsedKind::Output, 7).empty());
}

}  // namespace
