// What the configuration registers say is fitted.
#include <gtest/gtest.h>

#include "model/HardwareConfig.h"
#include "model/NewProgram.h"
#include "model/Program.h"

namespace {

using model::kInput;
using model::kOutput;

// Every fitted input and output in number order: "i3" a digital input, "O3" an analog output.
std::string Fitted(const model::Program& program) {
    std::string fitted;
    for (int k = 0; k <= 100; ++k) {
        for (int d : {kInput, kOutput}) {
            if (program.IOType[k][d] != model::kNotInstalled)
                fitted += std::string(1, "ioIO"[d + 2 * (program.IOType[k][d] == model::kAnalog)]) +
                          std::to_string(k) + " ";
        }
    }
    return fitted;
}

TEST(IOType, FollowsEachBlocksOwnRegisterUpToEightAndItsAnalogFlag) {
    model::Program program;
    model::MakeNewProgram(program);
    EXPECT_EQ(Fitted(program), "i1 o1 i2 o2 i3 o3 i4 o4 i5 i6 ");
    program.Register(110).Code = {1, 2, 0, 2};  // block 10 is not register 10 x 1
    program.Register(20).Code = {3, 0, 0, 2};
    program.Register(70).Code = {200, 9, 0, 2};  // counts above eight from a file
    program.Register(80).Code = {0, 0, 1, 2};    // analog but nothing fitted
    program.Register(90).Code = {2, 0, 1, 2};
    model::RebuildIOType(program);
    EXPECT_EQ(Fitted(program),
              "i1 o1 i2 o2 i3 o3 i4 o4 i5 i6 i11 o11 o12 i21 i22 i23 i71 o71 i72 o72 i73 o73 i74 "
              "o74 i75 o75 i76 o76 i77 o77 i78 o78 I91 I92 ");
}

TEST(Bcd, OnlyDecimalDigitsAreIONumbers) {
    EXPECT_EQ(model::BcdNumber(0x07), 7);
    EXPECT_EQ(model::BcdNumber(0x98), 98);
    EXPECT_EQ(model::BcdNumber(0x1A), -1);
    EXPECT_EQ(model::BcdNumber(0xA0), -1);
    EXPECT_EQ(model::BcdNumber(-1), -1);
}

TEST(DisplayName, BlankNamesShowTheNumber) {
    model::Program program;
    program.IOName[5][kInput] = "";
    program.IOName[6][kInput] = "        ";
    program.IOName[7][kInput] = "A";
    EXPECT_EQ(model::DisplayName(program, 5, kInput), "5");
    EXPECT_EQ(model::DisplayName(program, 6, kInput), "6");
    EXPECT_EQ(model::DisplayName(program, 7, kInput), "A");
}

}  // namespace
