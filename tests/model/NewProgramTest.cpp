// New over a program with content, and the checksum over a program. What New fills in is
// pinned byte for byte by the reference file new.zlp of the files tests.
#include <gtest/gtest.h>

#include "model/NewProgram.h"
#include "model/Program.h"
#include "model/ProgramChecksum.h"

namespace {

TEST(NewProgram, LeavesNothingOfTheProgramBefore) {
    model::Program fresh;
    model::MakeNewProgram(fresh);
    model::Program program;
    program.PgmData[5] = {{9, 1, 2, 3}, "old"};
    program.PageName[2] = "old";
    program.IOName[3][model::kInput] = "old";
    program.Tmr.Data[0].Name = "old";
    program.PgmChanged = true;
    program.PgmFile = "/tmp/old.zlp";
    model::MakeNewProgram(program);
    EXPECT_TRUE(program.SameContent(fresh));
    EXPECT_FALSE(program.PgmChanged);
    EXPECT_EQ(program.PgmFile, "");
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
