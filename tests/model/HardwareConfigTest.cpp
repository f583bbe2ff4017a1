// What the configuration registers say is fitted.
#include <gtest/gtest.h>

#include "model/HardwareConfig.h"
#include "model/NewProgram.h"
#include "model/Program.h"

namespace {

using model::kInput;
using model::kOutput;

model::Program NewProgram() {
    model::Program program;
    model::MakeNewProgram(program);
    return program;
}

TEST(IOType, NewProgramHasTheMcuSixInputsAndFourOutputsOnly) {
    const model::Program program = NewProgram();
    for (int k = 0; k <= 100; ++k) {
        EXPECT_EQ(program.IOType[k][kInput], k >= 1 && k <= 6 ? 1 : 0) << k;
        EXPECT_EQ(program.IOType[k][kOutput], k >= 1 && k <= 4 ? 1 : 0) << k;
    }
}

TEST(IOType, BlocksUseTheirOwnRegistersAndAnalogFlag) {
    model::Program program = NewProgram();
    program.Register(20).Code = {3, 0, 0, 2};
    program.Register(110).Code = {1, 2, 0, 2};  // block 10 is not register 10 x 1
    program.Register(90).Code = {2, 0, 1, 2};
    program.Register(80).Code = {0, 0, 1, 2};  // analog but nothing fitted
    model::RebuildIOType(program);
    EXPECT_EQ(program.IOType[23][kInput], model::kDigital);
    EXPECT_EQ(program.IOType[24][kInput], model::kNotInstalled);
    EXPECT_EQ(program.IOType[21][kOutput], model::kNotInstalled);
    EXPECT_EQ(program.IOType[11][kInput], model::kDigital);
    EXPECT_EQ(program.IOType[12][kOutput], model::kDigital);
    EXPECT_EQ(program.IOType[92][kInput], model::kAnalog);
    EXPECT_EQ(program.IOType[93][kInput], model::kNotInstalled);
    EXPECT_EQ(program.IOType[81][kInput], model::kNotInstalled);
}

TEST(IOType, CountsAboveEightFromAFileStayWithinTheBlock) {
    model::Program program = NewProgram();
    program.Register(90).Code = {200, 9, 0, 2};
    model::RebuildIOType(program);
    EXPECT_EQ(program.IOType[98][kInput], model::kDigital);
    EXPECT_EQ(program.IOType[99][kInput], model::kNotInstalled);
    EXPECT_EQ(program.IOType[100][kOutput], model::kNotInstalled);
}

TEST(Bcd, OnlyDecimalDigitsAreIONumbers) {
    EXPECT_EQ(model::BcdNumber(0x07), 7);
    EXPECT_EQ(model::BcdNumber(0x98), 98);
    EXPECT_EQ(model::BcdNumber(0x1A), -1);
    EXPECT_EQ(model::BcdNumber(0xA0), -1);
    EXPECT_EQ(model::BcdNumber(-1), -1);
}

TEST(DisplayName, BlankNamesShowTheNumber) {
    model::Program program = NewProgram();
    program.IOName[5][kInput] = "";
    program.IOName[6][kInput] = "        ";
    program.IOName[7][kInput] = "A";
    EXPECT_EQ(model::DisplayName(program, 5, kInput), "5");
    EXPECT_EQ(model::DisplayName(program, 6, kInput), "6");
    EXPECT_EQ(model::DisplayName(program, 7, kInput), "A");
    EXPECT_EQ(model::DisplayName(program, 7, kOutput), "7");
}

}  // namespace
