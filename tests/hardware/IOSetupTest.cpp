// The I/O setup's working copy and what its OK writes into the program.
#include <gtest/gtest.h>

#include "hardware/IOSetup.h"
#include "model/NewProgram.h"
#include "model/Program.h"

namespace {

using hardware::IOSetup;
using hardware::Module;

constexpr int kMcu = 0, kBlock10 = 1, kBlock20 = 2, kBlock30 = 3, kBlock90 = 9;

class IOSetupTest : public ::testing::Test {
  protected:
    IOSetupTest() { model::MakeNewProgram(program); }
    model::Program program;
};

// A new program shows only the MCU, with 6 and 4. Block 10 lives in register 110 and the MCU in
// register 10; a box checked without counts picked stores 0 and 0, so block 20 stays unfitted;
// block 90 analog makes its inputs analog, and block 20 has no analog choice.
TEST_F(IOSetupTest, OkWritesEachPositionsRegisterAndItsAnalogByte) {
    IOSetup setup(program);
    EXPECT_EQ(setup.Block(kMcu).Inputs * 10 + setup.Block(kMcu).Outputs, 64);
    for (int p = 1; p < model::kPositionCount; ++p)
        EXPECT_FALSE(setup.Block(p).Installed || setup.Block(p).Analog) << p;
    setup.SetInstalled(kBlock10, true);
    setup.SetInputs(kBlock10, 3);
    setup.SetOutputs(kMcu, 2);
    setup.SetInstalled(kBlock20, true);
    setup.SetAnalog(kBlock20, true);
    setup.SetInstalled(kBlock90, true);
    setup.SetInputs(kBlock90, 2);
    setup.SetAnalog(kBlock90, true);
    setup.Apply(program);
    model::RebuildIOType(program);
    EXPECT_EQ(program.Register(110).Code, (std::array<int16_t, 4>{3, 0, 0, 2}));
    EXPECT_EQ(program.Register(10).Code, (std::array<int16_t, 4>{6, 2, 0, 2}));
    EXPECT_EQ(program.Register(20).Code, (std::array<int16_t, 4>{0, 0, 0, 2}));
    EXPECT_EQ(program.IOType[92][model::kInput], model::kAnalog);
    EXPECT_TRUE(program.PgmChanged);
}

// Unchecking a block changes nothing until OK, so Cancel loses no name; OK then gives the
// unfitted block's numbers their own names back. Checking it again shows the stored counts.
TEST_F(IOSetupTest, UncheckedBlockLosesItsNamesOnlyOnOk) {
    program.Register(30).Code = {2, 1, 0, 2};
    program.IOName[31][model::kInput] = "DOOR";
    program.IOName[39][model::kOutput] = "SPARE";
    IOSetup setup(program);
    setup.SetInstalled(kBlock30, false);
    EXPECT_EQ(program.IOName[31][model::kInput], "DOOR");
    setup.SetInstalled(kBlock30, true);
    EXPECT_EQ(setup.Block(kBlock30).Inputs, 2);
    setup.SetInstalled(kBlock30, false);
    setup.Apply(program);
    EXPECT_EQ(program.IOName[31][model::kInput], "31");
    EXPECT_EQ(program.IOName[39][model::kOutput], "39");
    EXPECT_EQ(program.Register(30).Code[0], 0);
}

// A fitted module is written back as 8 whatever count it held; a removed one's settings,
// names and messages go back to a new program's, and OK asks first only when they differ.
TEST_F(IOSetupTest, ModulesAreWrittenAsEightOrClearedAfterAQuestion) {
    program.SetRegisterByte(model::kTimerModuleRegister, 0, 5);
    program.SetRegisterByte(model::kCounterModuleRegister, 0, 8);
    program.Ctr.Data[2].Name = "Bottles";
    IOSetup setup(program);
    EXPECT_TRUE(setup.ModuleInstalled(Module::Timer));
    EXPECT_TRUE(setup.RemovalsToConfirm().empty());
    setup.SetModuleInstalled(Module::Counter, false);
    EXPECT_EQ(setup.RemovalsToConfirm(), std::vector<Module>{Module::Counter});
    setup.Apply(program);
    EXPECT_EQ(program.RegisterByte(model::kTimerModuleRegister, 0), 8);
    EXPECT_EQ(program.RegisterByte(model::kCounterModuleRegister, 0), 0);
    EXPECT_EQ(program.Ctr, model::DefaultPanelTables("Counter"));
}

}  // namespace
