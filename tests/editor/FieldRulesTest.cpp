// The box rules on their own: keys, cutting, packing and limits, and the BCD helpers.
#include <gtest/gtest.h>

#include "editor/FieldCodes.h"
#include "editor/FieldLayout.h"
#include "editor/LineMiscRules.h"
#include "editor/TimeCountRules.h"
#include "model/TextFormat.h"

namespace {

using editor::LineCode;

const model::FunctionInfo& Fn(int f) {
    return editor::EditedFunction(f, f == 11 ? 4 : 0);
}

model::Quantity Q(int f) {
    return Fn(f).Fields.Packs;
}

TEST(HexPairValue, ReadsTheLastTwoCharactersAsHexDigits) {
    EXPECT_EQ(editor::HexPairValue("23"), 0x23);
    EXPECT_EQ(editor::HexPairValue("7"), 7);
    EXPECT_EQ(editor::HexPairValue(""), 0);
    EXPECT_EQ(editor::HexPairValue("123"), 0x23);
    EXPECT_EQ(editor::HexPairValue("A0"), 160);
    // Junk never gives a byte outside 0..255.
    EXPECT_EQ(editor::HexPairValue("?z"), 0);
}

TEST(BcdByte, IONumbersAndPercentagesReadAsTheirDigits) {
    EXPECT_EQ(editor::BcdByte(7), 0x07);
    EXPECT_EQ(editor::BcdByte(11), 0x11);
    EXPECT_EQ(editor::BcdByte(98), 0x98);
    EXPECT_EQ(editor::PercentByte(100), 160);
    EXPECT_EQ(editor::PercentByte(99), 0x99);
    EXPECT_EQ(editor::PercentByte(45), 0x45);
    EXPECT_EQ(model::PercentText(160), "100");
    EXPECT_EQ(model::PercentText(0x45), "45");
}

struct KeyCase {
    const char* name;
    int f;
    const char* text;
    int selStart;
    int selLength;
    char key;
    bool accepted;
};

class TimeKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(TimeKeys, OnlyKeysThatKeepAValidNumberPass) {
    const KeyCase& c = GetParam();
    EXPECT_EQ(editor::TimeKeyAccepted(Q(c.f), c.text, c.selStart, c.selLength, c.key), c.accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, TimeKeys,
    ::testing::Values(KeyCase{"SecondPointRefused", 9, "12.3", 4, 0, '.', false},
                      KeyCase{"PointReplacingTheOldPointPasses", 9, "12.3", 2, 1, '.', true},
                      KeyCase{"PointInRepeatCountRefused", 10, "12", 2, 0, '.', false},
                      KeyCase{"PointInCountRefused", 36, "12", 2, 0, '.', false},
                      KeyCase{"PointInVoltagePasses", 13, "2", 1, 0, '.', true},
                      KeyCase{"ThirdDecimalRefused", 9, "12.34", 5, 0, '5', false},
                      KeyCase{"DigitBeforePointStillPasses", 9, "12.34", 0, 0, '5', true},
                      KeyCase{"SixthDigitBeforeTimePointRefused", 9, "12345.6", 0, 0, '1', false},
                      KeyCase{"ThirdDigitBeforeVoltagePointRefused", 13, "10.2", 1, 0, '1', false},
                      KeyCase{"LetterRefused", 9, "1", 1, 0, 'a', false},
                      KeyCase{"MinusRefused", 9, "", 0, 0, '-', false},
                      KeyCase{"BackspaceAlwaysPasses", 9, "12345.67", 8, 0, '\b', true},
                      KeyCase{"FullTimeBoxRefused", 9, "12345.67", 8, 0, '1', false},
                      KeyCase{"FullBoxTakesAKeyOverItsSelection", 9, "12345.67", 0, 8, '1', true},
                      KeyCase{"FifthCountDigitRefused", 36, "4000", 4, 0, '1', false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TimeText, CutToTwoDecimalsAndToTheDigitsThatFit) {
    EXPECT_EQ(editor::CutTimeText(Q(9), "12.345"), "12.34");
    EXPECT_EQ(editor::CutTimeText(Q(9), "123456"), "12345");
    EXPECT_EQ(editor::CutTimeText(Q(13), "102"), "10");
    EXPECT_EQ(editor::CutTimeText(Q(36), "4000"), "4000");
    EXPECT_EQ(editor::CutTimeText(Q(200), "1."), "1.");
}

struct PackCase {
    const char* name;
    int f;
    double value;
    int counterShown;
    LineCode expected;
};

class TimePacking : public ::testing::TestWithParam<PackCase> {};

TEST_P(TimePacking, EachFunctionPacksTheValueIntoItsOwnBytes) {
    const PackCase& c = GetParam();
    LineCode code{c.f, 0, 0, 0};
    editor::WriteTimeValue(Fn(c.f), c.value, c.counterShown, code);
    EXPECT_EQ(code, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Packing, TimePacking,
    ::testing::Values(PackCase{"WaitHundredths", 9, 12.34, 0, {9, 0, 12, 34}},
                      PackCase{"WaitHighByte", 9, 300, 0, {9, 1, 44, 0}},
                      PackCase{"WaitLongest", 9, 59999.99, 0, {9, 234, 95, 99}},
                      PackCase{"TimedOutputHundredthsInF", 128, 1.5, 0, {178, 0, 0, 1}},
                      PackCase{"TimedOutputWhole", 178, 300, 0, {128, 0, 1, 44}},
                      PackCase{"VoltageHalfToEven", 13, 2.5, 0, {13, 0, 62, 0}},
                      PackCase{"VoltageTop", 14, 10.2, 0, {14, 0, 255, 0}},
                      PackCase{"RepeatCount", 10, 300, 0, {10, 0, 1, 44}},
                      PackCase{"CounterCompareKeepsCounter", 36, 1000, 3, {36, 0x33, 232, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

struct LimitCase {
    const char* name;
    int f;
    double value;
    const char* message;  // "" when accepted
};

class TimeLimits : public ::testing::TestWithParam<LimitCase> {};

TEST_P(TimeLimits, OverTheLimitNamesTheLimit) {
    const LimitCase& c = GetParam();
    const auto message = editor::TimeLimitMessage(Q(c.f), c.value);
    EXPECT_EQ(message.value_or(""), c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, TimeLimits,
    ::testing::Values(LimitCase{"WaitAtLimit", 9, 59999.99, ""},
                      LimitCase{"WaitOver", 9, 60000, "Time cannot exceed 59999.99"},
                      LimitCase{"TimedOutputOver", 128, 60000.5, "Time cannot exceed 59999.99"},
                      LimitCase{"VoltageAtLimit", 13, 10.2, ""},
                      LimitCase{"VoltageOver", 14, 10.21, "Voltage cannot exceed 10.2"},
                      LimitCase{"RepeatAtLimit", 10, 59999, ""},
                      LimitCase{"RepeatOver", 10, 60000, "Repeat count cannot exceed 59999"},
                      LimitCase{"CountAtLimit", 37, 4000, ""},
                      LimitCase{"CountOver", 36, 4001, "Count cannot exceed 4000"},
                      LimitCase{"NoBoxNoLimit", 2, 99999, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LineKeys, OnlyDigitsUpToThreePass) {
    EXPECT_TRUE(editor::LineKeyAccepted("12", 0, '3'));
    EXPECT_FALSE(editor::LineKeyAccepted("123", 0, '4'));
    EXPECT_TRUE(editor::LineKeyAccepted("123", 3, '4'));
    EXPECT_FALSE(editor::LineKeyAccepted("1", 0, '.'));
    EXPECT_TRUE(editor::LineKeyAccepted("123", 0, '\b'));
}

TEST(LineValue, LineNumbersNeverBecomeNegativeOffsets) {
    LineCode repeat{10, 9, 9, 9};
    editor::WriteLineValue(Fn(10), 0, repeat);
    EXPECT_EQ(repeat[1], 0);
    editor::WriteLineValue(Fn(10), 5, repeat);
    EXPECT_EQ(repeat[1], 4);
    LineCode page{11, 2, 4, 9};
    editor::WriteLineValue(Fn(11), 0, page);
    EXPECT_EQ(page[3], 0);
    LineCode percent{253, 0x91, 0, 0};
    editor::WriteLineValue(Fn(253), 100, percent);
    EXPECT_EQ(percent[3], 160);
    EXPECT_EQ(editor::LineBoxValue("-5"), 0);
}

struct LineLimitCase {
    const char* name;
    int f;
    int p1;
    int page;
    int value;
    const char* message;
};

class LineLimits : public ::testing::TestWithParam<LineLimitCase> {};

TEST_P(LineLimits, BeyondThePageOrOver100Percent) {
    const LineLimitCase& c = GetParam();
    EXPECT_EQ(editor::LineLimitMessage(Fn(c.f), c.p1, c.page, c.value).value_or(""), c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, LineLimits,
    ::testing::Values(
        LineLimitCase{"JumpOnPageCOver", 1, 0x01, 2, 250, "This page has only 75 lines"},
        LineLimitCase{"JumpOnPageCAtLimit", 8, 0x01, 2, 75, ""},
        LineLimitCase{"JumpOnPageAAt200", 13, 0x91, 0, 200, ""},
        LineLimitCase{"JumpOnPageAOver", 36, 0x31, 0, 201, "This page has only 200 lines"},
        LineLimitCase{"RepeatLineOver", 10, 0, 1, 76, "This page has only 75 lines"},
        LineLimitCase{"TimerJumpOver", 32, 161, 5, 80, "This page has only 75 lines"},
        LineLimitCase{"OtherPageBOver", 11, 2, 0, 76, "Page B has only 75 lines"},
        LineLimitCase{"OtherPageAFromPageC", 11, 1, 2, 200, ""},
        LineLimitCase{"PercentAt100", 253, 0x91, 0, 100, ""},
        LineLimitCase{"PercentOver", 251, 0x91, 0, 101,
                      "Analog output cannot be higher than 100%"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
