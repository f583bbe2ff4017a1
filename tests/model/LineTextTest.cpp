// Line descriptions, one row per byte combination worth telling apart.
#include <gtest/gtest.h>

#include "model/LineText.h"
#include "model/NewProgram.h"
#include "model/Program.h"
#include "tests/support/RowName.h"

namespace {

struct DescribeCase {
    const char* name;
    std::array<int16_t, 4> code;
    const char* text;
};

class DescribeLineTest : public testing::TestWithParam<DescribeCase> {};

TEST_P(DescribeLineTest, GivesTheControllersSentence) {
    model::Program program;
    model::MakeNewProgram(program);
    program.PgmData[5].Code = GetParam().code;
    EXPECT_EQ(model::DescribeLine(program, 5), GetParam().text);
}

const DescribeCase kCases[] = {
    {"Blank", {0, 0, 0, 0}, "Blank"},
    {"EndPage", {12, 0, 0, 0}, "End Page"},
    {"InputOnJump", {1, 0x12, 1, 7}, "Check Input 12 For Status ON  If NOT, Move to Line 7"},
    {"DigitalInputAnyNonZeroIsOn", {1, 0x12, 200, 0}, "Check Input 12 For Status ON"},
    {"DigitalInputOff", {1, 0x05, 0, 0}, "Check Input 5 For Status OFF"},
    {"VoltageAboveNoJump", {13, 0x91, 125, 0}, "Check Input 91 for voltage ABOVE 5.00"},
    {"BelowFull",
     {14, 0x91, 255, 3},
     "Check Input 91 for voltage BELOW 10.20  If NOT, Move to Line 3"},
    {"VoltageSmallest", {13, 0x91, 1, 0}, "Check Input 91 for voltage ABOVE 0.04"},
    {"CompareTwoAllOn", {2, 0x01, 0x02, 0}, "Compare Inputs 1 & 2 for ALL ON"},
    {"CompareThreeAnyOff", {5, 0x01, 0x02, 0x03}, "Compare Inputs 1, 2, & 3 for ANY OFF"},
    {"CompareAllOff", {3, 0x01, 0x02, 0}, "Compare Inputs 1 & 2 for ALL OFF"},
    {"CompareAnyOn", {4, 0x01, 0x02, 0}, "Compare Inputs 1 & 2 for ANY ON"},
    {"CheckOutputOff", {8, 0x04, 0, 2}, "Check Output 4 For Status OFF  If NOT, Move to Line 2"},
    {"WaitOneSecondSingular", {9, 0, 1, 0}, "Wait 1.00 Second"},
    {"WaitOneAndAHalf", {9, 0, 1, 50}, "Wait 1.50 Seconds"},
    {"WaitZero", {9, 0, 0, 0}, "Wait 0.00 Seconds"},
    {"WaitLargest", {9, 234, 95, 99}, "Wait 59999.99 Seconds"},
    {"WaitHundredth", {9, 0, 0, 1}, "Wait 0.01 Seconds"},
    {"RepeatOnce", {10, 2, 0, 1}, "Repeat from Line 3, 1 Time"},
    {"RepeatFive", {10, 2, 0, 5}, "Repeat from Line 3, 5 Times"},
    {"RepeatHighByte", {10, 0, 1, 44}, "Repeat from Line 1, 300 Times"},
    {"FreezePage", {11, 1, 1, 0}, "Freeze Page A"},
    {"ThawPage", {11, 6, 2, 0}, "Thaw Page F"},
    {"ResetPage", {11, 3, 3, 0}, "Reset Page C"},
    {"MovePage", {11, 2, 4, 9}, "Move Page B to Line 10"},
    {"ControlPageNoAction", {11, 2, 0, 9}, ""},
    {"ControlPageUnknownAction", {11, 2, 5, 9}, ""},
    {"TimerOff", {32, 161, 0, 4}, "Check Timer 1 For Status OFF  If NOT, Move to Line 4"},
    {"TimerOn", {32, 168, 1, 0}, "Check Timer 8 For Status ON"},
    {"TimerFreeze", {32, 162, 2, 0}, "Freeze Timer 2"},
    {"TimerThaw", {32, 162, 3, 0}, "Thaw Timer 2"},
    {"TimerStartDisplayed", {32, 163, 4, 1}, "Start Timer 3 and display it"},
    {"TimerStartPlain", {32, 163, 4, 0}, "Start Timer 3"},
    {"TimerWaitDisplayed", {32, 164, 5, 1}, "Wait for Timer 4 and display it"},
    {"TimerDisplay", {32, 165, 6, 0}, "Display Timer 5"},
    {"TimerMessage", {32, 161, 7, 0x16}, "Display Message 16 on Timer Panel"},
    {"TimerUnknownOperation", {32, 161, 8, 0}, ""},
    {"CounterIncrementDisplayed", {34, 2, 0, 1}, "Increment Counter 2 and display it"},
    {"CounterDecrement", {35, 8, 0, 0}, "Decrement Counter 8"},
    {"CounterAboveJump",
     {36, 0x33, 232, 4},
     "Check if Counter 3 is AT or ABOVE 1000  If NOT, Move to Line 4"},
    {"CounterAtOrBelow", {37, 0x05, 7, 0}, "Check if Counter 5 is AT or BELOW 7"},
    {"CounterReset", {38, 1, 0, 0}, "Reset Counter 1"},
    {"CounterDisplay", {39, 1, 0, 0}, "Display Counter 1"},
    {"CounterMessage", {40, 0, 0, 0x12}, "Display Message 12 on Counter Panel"},
    {"OutputOn", {255, 0x04, 0, 0}, "Turn ON Output 4"},
    {"OutputOff", {254, 0x04, 0, 0}, "Turn OFF Output 4"},
    {"TimedOutputHundredthsInCode", {178, 0x05, 0, 1}, "Turn ON Output 5 for 1.50 Seconds"},
    {"TimedOutputOneSecond", {128, 0x05, 0, 1}, "Turn ON Output 5 for 1.00 Second"},
    {"TimedOutputLongest", {227, 0x05, 234, 95}, "Turn ON Output 5 for 59999.99 Seconds"},
    {"AnalogSetFull", {253, 0x81, 0, 160}, "Set Output 81 to 100%"},
    {"AnalogIncrease", {252, 0x81, 0, 0x45}, "Increase Output 81 by 45%"},
    {"AnalogDecreaseTwoBlanks", {251, 0x81, 0, 0x25}, "Decrease Output 81 by  25%"},
    {"UnknownSix", {6, 1, 2, 3}, "Unknown Function Code"},
    {"UnknownSeven", {7, 0, 0, 0}, "Unknown Function Code"},
    {"UnknownBetweenCounterAndOutput", {41, 0, 0, 0}, "Unknown Function Code"},
    {"UnknownBelowAnalog", {250, 0, 0, 0}, "Unknown Function Code"},
    {"UnknownAboveTimed", {228, 0, 0, 0}, "Unknown Function Code"},
    {"UnknownOutOfByteRange", {300, 0, 0, 0}, "Unknown Function Code"},
    {"InputNotBcdShowsItsHexDigits", {1, 0x1A, 1, 0}, "Check Input 1A For Status ON"},
    {"OutputAboveBcdRangeShowsHex", {255, 0xA5, 0, 0}, "Turn ON Output A5"},
};

INSTANTIATE_TEST_SUITE_P(EveryFamily, DescribeLineTest, testing::ValuesIn(kCases),
                         testsupport::RowName());

// Names replace numbers, inputs and outputs from separate tables; records past the pages (the
// transfer-only and register records) are described too.
TEST(DescribeLine, ShowsStoredNamesAndDescribesEveryRecord) {
    model::Program program;
    model::MakeNewProgram(program);
    program.IOName[12][model::kOutput] = "PUMP";
    program.IOName[3][model::kOutput] = "";
    program.IOName[12][model::kInput] = "DOOR";
    program.PgmData[1].Code = {255, 0x12, 0, 0};
    program.PgmData[2].Code = {255, 0x03, 0, 0};
    program.PgmData[3].Code = {2, 0x12, 0x12, 0};
    program.PgmData[230].Code = {9, 0, 2, 0};
    EXPECT_EQ(model::DescribeLine(program, 1), "Turn ON Output PUMP");
    EXPECT_EQ(model::DescribeLine(program, 2), "Turn ON Output ");
    EXPECT_EQ(model::DescribeLine(program, 3), "Compare Inputs DOOR & DOOR for ALL ON");
    EXPECT_EQ(model::DescribeLine(program, 230), "Wait 2.00 Seconds");
    EXPECT_EQ(model::DescribeLine(program, 950), "Blank");
}

}  // namespace
