// The names and speeds dialogs' working copies of one position, and what their OK writes.
#include <gtest/gtest.h>

#include "hardware/BlockIONames.h"
#include "hardware/BlockInputSpeeds.h"
#include "model/NewProgram.h"
#include "model/Program.h"

namespace {

using hardware::BlockInputSpeeds;
using hardware::BlockIONames;
using model::kInput;
using model::kOutput;

constexpr int kMcu = 0, kBlock10 = 1, kBlock40 = 4;

class BlockSettingsTest : public ::testing::Test {
  protected:
    BlockSettingsTest() { model::MakeNewProgram(program); }
    model::Program program;
};

// Block 10's rows are 11..18 and its heading spaces the number as the controller's manuals do;
// the MCU's rows are 1..8.
TEST_F(BlockSettingsTest, HeadingsAndRowNumbersFollowThePosition) {
    const BlockIONames block10(program, kBlock10);
    EXPECT_EQ(block10.Heading(), "Block  10   Inputs and Outputs");
    EXPECT_EQ(block10.Number(0) * 100 + block10.Number(7), 1118);
    EXPECT_EQ(BlockIONames(program, kMcu).Heading(), "MCU Inputs and Outputs");
    EXPECT_EQ(BlockInputSpeeds(program, kBlock40).Heading(), "Block 40 Inputs");
    EXPECT_EQ(BlockInputSpeeds(program, kMcu).Heading(), "MCU Inputs");
    EXPECT_EQ(BlockInputSpeeds(program, kMcu).Number(7), 8);
}

// A double quote is dropped and the rest kept, up to eight characters; names of inputs that are
// not fitted are written too, blanks as typed; an OK that changes nothing leaves the program
// unmarked.
TEST_F(BlockSettingsTest, NamesAreFilteredAndWrittenInBothColumns) {
    BlockIONames names(program, kBlock10);
    EXPECT_EQ(names.SetName(0, kInput, "a\"b\"cdefghij"), "abcdefgh");
    names.SetName(7, kOutput, " ");
    EXPECT_FALSE(BlockIONames(program, kBlock10).Apply(program));
    EXPECT_FALSE(program.PgmChanged);
    EXPECT_TRUE(names.Apply(program));
    EXPECT_TRUE(program.PgmChanged);
    EXPECT_EQ(program.IOName[11][kInput], "abcdefgh");
    EXPECT_EQ(program.IOName[11][kOutput], "11");
    EXPECT_EQ(program.IOName[18][kOutput], " ");
}

// Speeds are digits only, at most three; above 255 stores 255 and an empty field 0. Block 10's
// speeds live in registers 111..118, next to its configuration register 110.
TEST_F(BlockSettingsTest, SpeedsKeepDigitsAndStoreAtMost255) {
    BlockInputSpeeds speeds(program, kBlock10);
    EXPECT_EQ(speeds.Text(0), "10");
    EXPECT_EQ(speeds.SetText(0, "9x99"), "999");
    speeds.SetText(1, "007");
    speeds.SetText(2, "");
    speeds.SetText(7, "255");
    EXPECT_TRUE(speeds.Apply(program));
    EXPECT_TRUE(program.PgmChanged);
    EXPECT_EQ(program.RegisterByte(111, 0), 255);
    EXPECT_EQ(program.RegisterByte(112, 0), 7);
    EXPECT_EQ(program.RegisterByte(113, 0), 0);
    EXPECT_EQ(program.RegisterByte(114, 0), 10);
    EXPECT_EQ(program.RegisterByte(118, 0), 255);
    EXPECT_EQ(program.RegisterByte(11, 0), 10);
}

}  // namespace
