// Line checks: which message numbers each line logs, in order, against a given hardware.
#include <gtest/gtest.h>

#include "model/HardwareConfig.h"
#include "model/LineText.h"
#include "model/NewProgram.h"
#include "model/PageGeometry.h"
#include "model/Program.h"
#include "tests/support/RowName.h"

namespace {

enum Fitted {
    New,      // MCU inputs 1..6, outputs 1..4, no modules
    Analog,   // and block 90 analog with two inputs and two outputs
    Modules,  // and both modules
};

struct CheckCase {
    const char* name;
    Fitted fitted;
    int page;
    int line;  // 1-based
    std::array<int16_t, 4> code;
    const char* logged;  // message numbers with their prefixes: "20Second 24First"
};

model::Program MakeProgram(Fitted fitted) {
    model::Program program;
    model::MakeNewProgram(program);
    if (fitted == Analog)
        program.Register(90).Code = {2, 2, 1, 2};
    if (fitted == Modules) {
        program.SetRegisterByte(model::kTimerModuleRegister, 0, 8);
        program.SetRegisterByte(model::kCounterModuleRegister, 0, 8);
    }
    model::RebuildIOType(program);
    return program;
}

class LineChecksTest : public testing::TestWithParam<CheckCase> {};

TEST_P(LineChecksTest, LogsTheExpectedMessages) {
    const CheckCase& c = GetParam();
    model::Program program = MakeProgram(c.fitted);
    const int record = model::PageBase(c.page) + c.line - 1;
    program.PgmData[record].Code = c.code;
    std::string logged;
    for (const model::LineError& e : model::CheckLine(program, c.page, record))
        logged += (logged.empty() ? "" : " ") + std::to_string(e.Number) + e.Prefix;
    EXPECT_EQ(logged, c.logged);
}

const CheckCase kCases[] = {
    {"BlankAndEndPageNeverFail", New, 0, 2, {0, 0, 0, 0}, ""},
    {"InputSevenNotFittedAfterNew", New, 0, 2, {1, 0x07, 1, 0}, "20"},
    {"DigitalCheckOnAnalogInput", Analog, 0, 2, {1, 0x91, 1, 0}, "22"},
    {"InputNotBcdIsNotInstalled", New, 0, 2, {1, 0x1A, 1, 0}, "20"},
    {"JumpToLine200OnPageA", New, 0, 2, {1, 0x01, 1, 200}, ""},
    {"JumpBeyondPageA", New, 0, 2, {1, 0x01, 1, 201}, "10"},
    {"JumpToLine75OnPageB", New, 1, 2, {1, 0x01, 1, 75}, ""},
    {"JumpBeyondPageB", New, 1, 2, {1, 0x01, 1, 76}, "11"},
    {"VoltageOnDigitalInput", New, 0, 2, {13, 0x01, 10, 0}, "21"},
    {"VoltageOnMissingInputThenJump", New, 2, 2, {14, 0x07, 10, 80}, "20 11"},
    {"VoltageFullScaleAllowed", Analog, 0, 2, {13, 0x92, 255, 0}, ""},
    {"VoltageAboveFullScale", Analog, 0, 2, {13, 0x92, 256, 0}, "23"},
    {"CompareTwoNeverChecksThird", New, 0, 2, {2, 0x01, 0x02, 0}, ""},
    {"CompareThirdMissing", New, 0, 2, {2, 0x01, 0x02, 0x07}, "20Third"},
    {"CompareAllMissing", New, 0, 2, {4, 0x07, 0x08, 0x09}, "20First 20Second 20Third"},
    {"CompareMissingBeforeAnalog", Analog, 0, 2, {3, 0x91, 0x07, 0x92}, "20Second 24First 24Third"},
    {"CheckOutputMissing", New, 0, 2, {8, 0x05, 1, 0}, "30"},
    {"WaitLongestAllowed", New, 0, 2, {9, 234, 95, 99}, ""},
    {"WaitOneHundredthTooLong", New, 0, 2, {9, 234, 96, 0}, "40"},
    {"RepeatOnLineOne", New, 1, 1, {10, 0, 0, 2}, "1"},
    {"RepeatOnLineTwo", New, 1, 2, {10, 0, 0, 2}, ""},
    {"RepeatTargetBeyondPageA", New, 0, 2, {10, 200, 0, 2}, "10"},
    {"RepeatTargetBeyondPageB", New, 1, 2, {10, 75, 0, 2}, "11"},
    {"RepeatCountLargestAllowed", New, 0, 2, {10, 0, 234, 95}, ""},
    {"RepeatCountTooLarge", New, 0, 2, {10, 0, 234, 96}, "41"},
    {"MovePageAToLastLine", New, 1, 2, {11, 1, 4, 199}, ""},
    {"MovePageABeyond", New, 1, 2, {11, 1, 4, 200}, "10"},
    {"MovePageBBeyond", New, 0, 2, {11, 2, 4, 75}, "11"},
    {"FreezeIgnoresLineByte", New, 0, 2, {11, 2, 1, 250}, ""},
    {"TimerWithoutModule", New, 0, 2, {32, 161, 2, 0}, "50"},
    {"TimerNineWithoutModule", New, 0, 2, {32, 169, 6, 0}, "50 51"},
    {"TimerStatusJumpChecked", Modules, 1, 2, {32, 161, 0, 76}, "11"},
    {"TimerStartFlagIsNoJump", Modules, 1, 2, {32, 161, 4, 1}, ""},
    {"TimerMessageSixteenAllowed", Modules, 0, 2, {32, 0, 7, 0x16}, ""},
    {"TimerMessageSeventeen", Modules, 0, 2, {32, 0, 7, 0x17}, "52"},
    {"TimerMessageZero", Modules, 0, 2, {32, 0, 7, 0}, "52"},
    {"TimerMessageWithoutModule", New, 0, 2, {32, 0, 7, 0x03}, "50"},
    {"CounterWithoutModule", New, 0, 2, {34, 1, 0, 0}, "60"},
    {"CounterNine", Modules, 0, 2, {38, 9, 0, 0}, "61"},
    {"CounterCompareLargestAllowed", Modules, 0, 2, {36, 0xF3, 160, 0}, ""},
    {"CounterCompareTooLargeFirst", New, 0, 2, {37, 0xF9, 161, 201}, "63 60 61 10"},
    {"CounterMessageSeventeen", Modules, 0, 2, {40, 0, 0, 0x17}, "62"},
    {"CounterMessageWithoutModule", New, 0, 2, {40, 0, 0, 0x01}, "60"},
    {"OutputMissing", New, 0, 2, {255, 0x05, 0, 0}, "30"},
    {"AnalogOnDigitalOutput", New, 0, 2, {253, 0x01, 0, 0x50}, "31"},
    {"AnalogMissingOutput", New, 0, 2, {252, 0x93, 0, 0x50}, "30"},
    {"AnalogFullAllowed", Analog, 0, 2, {251, 0x91, 0, 160}, ""},
    {"AnalogOverFull", Analog, 0, 2, {253, 0x91, 0, 161}, "32"},
    {"TimedOutputLongestAllowed", New, 0, 2, {227, 0x01, 234, 95}, ""},
    {"TimedOutputTooLong", New, 0, 2, {128, 0x06, 234, 96}, "30 40"},
    {"UnknownCode", New, 0, 2, {7, 0, 0, 0}, "0"},
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
