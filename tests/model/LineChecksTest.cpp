// Line checks: which message numbers each line logs, in order, against a given hardware.
#include <gtest/gtest.h>

#include "model/HardwareConfig.h"
#include "model/LineText.h"
#include "model/NewProgram.h"
#include "model/PageGeometry.h"
#include "model/Program.h"
#include "tests/support/RowName.h"

namespace model {

void PrintTo(const LineError& e, std::ostream* os) {
    *os << e.Number << "/" << e.Prefix;
}

}  // namespace model

namespace {

using model::LineError;

enum class Fitted {
    NewProgram,  // MCU inputs 1..6, outputs 1..4, no modules
    Analog90,    // and block 90 analog with two inputs and two outputs
    Modules,     // and both modules
};

struct CheckCase {
    const char* name;
    Fitted fitted;
    int page;
    int line;  // 1-based
    std::array<int16_t, 4> code;
    std::vector<LineError> expected;
};

model::Program MakeProgram(Fitted fitted) {
    model::Program program;
    model::MakeNewProgram(program);
    if (fitted == Fitted::Analog90) {
        program.Register(90).Code = {2, 2, 1, 2};
    }
    if (fitted == Fitted::Modules) {
        program.SetRegisterByte(model::kTimerModuleRegister, 0, 8);
        program.SetRegisterByte(model::kCounterModuleRegister, 0, 8);
    }
    model::RebuildIOType(program);
    return program;
}

void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.name;
}

class LineChecksTest : public testing::TestWithParam<CheckCase> {};

TEST_P(LineChecksTest, LogsTheExpectedMessages) {
    const CheckCase& c = GetParam();
    model::Program program = MakeProgram(c.fitted);
    const int record = model::PageBase(c.page) + c.line - 1;
    program.PgmData[record].Code = c.code;
    EXPECT_EQ(model::CheckLine(program, c.page, record), c.expected);
}

const CheckCase kCases[] = {
    {"BlankAndEndPageNeverFail", Fitted::NewProgram, 0, 2, {0, 0, 0, 0}, {}},
    {"InstalledInputPasses", Fitted::NewProgram, 0, 2, {1, 0x05, 1, 0}, {}},
    {"InputSevenNotFittedAfterNew", Fitted::NewProgram, 0, 2, {1, 0x07, 1, 0}, {{20, ""}}},
    {"DigitalCheckOnAnalogInput", Fitted::Analog90, 0, 2, {1, 0x91, 1, 0}, {{22, ""}}},
    {"InputNotBcdIsNotInstalled", Fitted::NewProgram, 0, 2, {1, 0x1A, 1, 0}, {{20, ""}}},
    {"JumpToLine200OnPageA", Fitted::NewProgram, 0, 2, {1, 0x01, 1, 200}, {}},
    {"JumpBeyondPageA", Fitted::NewProgram, 0, 2, {1, 0x01, 1, 201}, {{10, ""}}},
    {"JumpToLine75OnPageB", Fitted::NewProgram, 1, 2, {1, 0x01, 1, 75}, {}},
    {"JumpBeyondPageB", Fitted::NewProgram, 1, 2, {1, 0x01, 1, 76}, {{11, ""}}},
    {"VoltageOnDigitalInput", Fitted::NewProgram, 0, 2, {13, 0x01, 10, 0}, {{21, ""}}},
    {"VoltageOnMissingInputThenJump",
     Fitted::NewProgram,
     2,
     2,
     {14, 0x07, 10, 80},
     {{20, ""}, {11, ""}}},
    {"VoltageFullScaleAllowed", Fitted::Analog90, 0, 2, {13, 0x92, 255, 0}, {}},
    {"VoltageAboveFullScale", Fitted::Analog90, 0, 2, {13, 0x92, 256, 0}, {{23, ""}}},
    {"CompareTwoNeverChecksThird", Fitted::NewProgram, 0, 2, {2, 0x01, 0x02, 0}, {}},
    {"CompareThirdMissing", Fitted::NewProgram, 0, 2, {2, 0x01, 0x02, 0x07}, {{20, "Third"}}},
    {"CompareAllMissing",
     Fitted::NewProgram,
     0,
     2,
     {4, 0x07, 0x08, 0x09},
     {{20, "First"}, {20, "Second"}, {20, "Third"}}},
    {"CompareMissingBeforeAnalog",
     Fitted::Analog90,
     0,
     2,
     {3, 0x91, 0x07, 0x92},
     {{20, "Second"}, {24, "First"}, {24, "Third"}}},
    {"CheckOutputMissing", Fitted::NewProgram, 0, 2, {8, 0x05, 1, 0}, {{30, ""}}},
    {"WaitLongestAllowed", Fitted::NewProgram, 0, 2, {9, 234, 95, 99}, {}},
    {"WaitOneHundredthTooLong", Fitted::NewProgram, 0, 2, {9, 234, 96, 0}, {{40, ""}}},
    {"RepeatOnLineOne", Fitted::NewProgram, 1, 1, {10, 0, 0, 2}, {{1, ""}}},
    {"RepeatOnLineTwo", Fitted::NewProgram, 1, 2, {10, 0, 0, 2}, {}},
    {"RepeatTargetBeyondPageA", Fitted::NewProgram, 0, 2, {10, 200, 0, 2}, {{10, ""}}},
    {"RepeatTargetBeyondPageB", Fitted::NewProgram, 1, 2, {10, 75, 0, 2}, {{11, ""}}},
    {"RepeatCountLargestAllowed", Fitted::NewProgram, 0, 2, {10, 0, 234, 95}, {}},
    {"RepeatCountTooLarge", Fitted::NewProgram, 0, 2, {10, 0, 234, 96}, {{41, ""}}},
    {"MovePageAToLastLine", Fitted::NewProgram, 1, 2, {11, 1, 4, 199}, {}},
    {"MovePageABeyond", Fitted::NewProgram, 1, 2, {11, 1, 4, 200}, {{10, ""}}},
    {"MovePageBBeyond", Fitted::NewProgram, 0, 2, {11, 2, 4, 75}, {{11, ""}}},
    {"FreezeIgnoresLineByte", Fitted::NewProgram, 0, 2, {11, 2, 1, 250}, {}},
    {"TimerWithoutModule", Fitted::NewProgram, 0, 2, {32, 161, 2, 0}, {{50, ""}}},
    {"TimerNineWithoutModule", Fitted::NewProgram, 0, 2, {32, 169, 6, 0}, {{50, ""}, {51, ""}}},
    {"TimerStatusJumpChecked", Fitted::Modules, 1, 2, {32, 161, 0, 76}, {{11, ""}}},
    {"TimerStartFlagIsNoJump", Fitted::Modules, 1, 2, {32, 161, 4, 1}, {}},
    {"TimerMessageSixteenAllowed", Fitted::Modules, 0, 2, {32, 0, 7, 0x16}, {}},
    {"TimerMessageSeventeen", Fitted::Modules, 0, 2, {32, 0, 7, 0x17}, {{52, ""}}},
    {"TimerMessageZero", Fitted::Modules, 0, 2, {32, 0, 7, 0}, {{52, ""}}},
    {"TimerMessageWithoutModule", Fitted::NewProgram, 0, 2, {32, 0, 7, 0x03}, {{50, ""}}},
    {"CounterWithoutModule", Fitted::NewProgram, 0, 2, {34, 1, 0, 0}, {{60, ""}}},
    {"CounterNine", Fitted::Modules, 0, 2, {38, 9, 0, 0}, {{61, ""}}},
    {"CounterCompareLargestAllowed", Fitted::Modules, 0, 2, {36, 0xF3, 160, 0}, {}},
    {"CounterCompareTooLargeFirst",
     Fitted::NewProgram,
     0,
     2,
     {37, 0xF9, 161, 201},
     {{63, ""}, {60, ""}, {61, ""}, {10, ""}}},
    {"CounterMessageSeventeen", Fitted::Modules, 0, 2, {40, 0, 0, 0x17}, {{62, ""}}},
    {"CounterMessageWithoutModule", Fitted::NewProgram, 0, 2, {40, 0, 0, 0x01}, {{60, ""}}},
    {"OutputMissing", Fitted::NewProgram, 0, 2, {255, 0x05, 0, 0}, {{30, ""}}},
    {"AnalogOnDigitalOutput", Fitted::NewProgram, 0, 2, {253, 0x01, 0, 0x50}, {{31, ""}}},
    {"AnalogMissingOutput", Fitted::NewProgram, 0, 2, {252, 0x93, 0, 0x50}, {{30, ""}}},
    {"AnalogFullAllowed", Fitted::Analog90, 0, 2, {251, 0x91, 0, 160}, {}},
    {"AnalogOverFull", Fitted::Analog90, 0, 2, {253, 0x91, 0, 161}, {{32, ""}}},
    {"TimedOutputLongestAllowed", Fitted::NewProgram, 0, 2, {227, 0x01, 234, 95}, {}},
    {"TimedOutputTooLong", Fitted::NewProgram, 0, 2, {128, 0x06, 234, 96}, {{30, ""}, {40, ""}}},
    {"UnknownCode", Fitted::NewProgram, 0, 2, {7, 0, 0, 0}, {{0, ""}}},
};

INSTANTIATE_TEST_SUITE_P(EveryFamily, LineChecksTest, testing::ValuesIn(kCases),
                         testsupport::RowName());

TEST(ErrorMessages, NumbersOutsideTheTableHaveNoText) {
    EXPECT_STREQ(model::ErrorMessageText(22), "Digital function used on an analog input");
    EXPECT_STREQ(model::ErrorMessageText(63), "Maximum count to allowed to compare to is 4000.");
    EXPECT_STREQ(model::ErrorMessageText(2), "");
    EXPECT_STREQ(model::ErrorMessageText(64), "");
}

}  // namespace
