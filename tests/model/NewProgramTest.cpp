// The program New makes, and the checksum over it.
#include <gtest/gtest.h>

#include "model/HardwareConfig.h"
#include "model/NewProgram.h"
#include "model/PageGeometry.h"
#include "model/Program.h"
#include "model/ProgramChecksum.h"

namespace {

TEST(NewProgram, PlacesEndPageAtLineOneAndTheLastSlotOfEveryPage) {
    model::Program program;
    program.PgmData[5].Code = {9, 1, 2, 3};
    program.PgmData[5].Comment = "old";
    program.PageName[2] = "old";
    program.PgmChanged = true;
    program.PgmFile = "/tmp/old.zlp";
    model::MakeNewProgram(program);
    for (int page = 0; page < model::kPageCount; ++page) {
        const int base = model::PageBase(page);
        EXPECT_EQ(program.PgmData[base].F(), 12);
        EXPECT_EQ(program.PgmData[base + model::PageLast(page)].F(), 12);
        for (int r = base + 1; r < base + model::PageLast(page); ++r) {
            ASSERT_TRUE(program.PgmData[r].IsBlank()) << r;
            ASSERT_TRUE(program.PgmData[r].Comment.empty()) << r;
        }
        EXPECT_EQ(program.PageName[page], "");
        EXPECT_EQ(program.RegisterByte(page + 1, 0), 0);  // End Page index
    }
    EXPECT_FALSE(program.PgmChanged);
    EXPECT_EQ(program.PgmFile, "");
}

TEST(NewProgram, FitsTheMcuOnlyWithDefaultSpeedsAndNames) {
    model::Program program;
    model::MakeNewProgram(program);
    EXPECT_EQ(program.Register(10).Code, (std::array<int16_t, 4>{6, 4, 0, 2}));
    EXPECT_EQ(program.Register(9).Code, (std::array<int16_t, 4>{0, 0, 0, 0}));
    for (int reg : {20, 30, 40, 50, 60, 70, 80, 90, 110}) {
        EXPECT_EQ(program.Register(reg).Code, (std::array<int16_t, 4>{0, 0, 0, 2})) << reg;
        for (int n = 1; n <= 8; ++n)
            EXPECT_EQ(program.RegisterByte(reg + n, 0), 10) << reg + n;
    }
    EXPECT_FALSE(model::TimerModuleInstalled(program));
    EXPECT_FALSE(model::CounterModuleInstalled(program));
    EXPECT_EQ(program.IOName[23][model::kInput], "23");
    EXPECT_EQ(program.IOName[100][model::kOutput], "100");
    EXPECT_EQ(program.Tmr.Data[7].Name, "Timer 8");
    EXPECT_EQ(program.Ctr.Data[0].Name, "Counter 1");
    EXPECT_EQ(program.Ctr.Msg[14].Top, "Message 15");
    EXPECT_EQ(program.Tmr.Msg[0].Bottom, "");
}

TEST(NewProgram, StoresItsChecksumAndTheFirmwareVersionInRegister100) {
    model::Program program;
    model::MakeNewProgram(program);
    // End Pages 12 x 12, MCU config 6 + 4 + 2, speeds 8 x 10 on the MCU, and 2 + 80 for each
    // of blocks 20..90 (block 10's registers are outside the summed span).
    const int expected = (12 * 12 + 12 + 80 + 8 * 82) % 256;
    EXPECT_EQ(program.Register(100).Code, (std::array<int16_t, 4>{0, 1, 30, expected}));
    EXPECT_EQ(model::ProgramChecksum(program), expected);
}

TEST(ProgramChecksum, SumsOnlyTheEditableLinesAndRegistersUpTo99) {
    model::Program program;
    program.PgmData[199].Code = {100, 100, 56, 0};  // 256: wraps to 0
    EXPECT_EQ(model::ProgramChecksum(program), 0);
    program.PgmData[374].Code = {1, 0, 0, 0};  // page B line 75
    program.PgmData[898].Code = {0, 0, 0, 2};  // register 99
    EXPECT_EQ(model::ProgramChecksum(program), 3);
    program.PgmData[200].Code = {9, 9, 9, 9};  // transfer-only line of page A
    program.PgmData[375].Code = {9, 9, 9, 9};  // transfer-only line of page B
    program.PgmData[899].Code = {9, 9, 9, 9};  // register 100 itself
    program.PgmData[924].Code = {9, 9, 9, 9};  // register 125
    EXPECT_EQ(model::ProgramChecksum(program), 3);
}

}  // namespace
