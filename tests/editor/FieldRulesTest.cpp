// The field rules on their own: keys, cutting and limits of the two boxes, and the option lists
// the function table gives each group.
#include <gtest/gtest.h>

#include "editor/FieldLayout.h"
#include "editor/FunctionOptions.h"
#include "editor/LineMiscRules.h"
#include "editor/OptionLists.h"
#include "editor/TimeCountRules.h"
#include "tests/support/RowName.h"

namespace {

using model::Quantity;

struct KeyCase {
    const char* name;
    Quantity q;
    const char* text;
    int selStart;
    int selLength;
    char key;
    bool accepted;
};

class TimeKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(TimeKeys, OnlyKeysThatKeepAValidNumberPass) {
    const KeyCase& c = GetParam();
    EXPECT_EQ(editor::TimeKeyAccepted(c.q, c.text, c.selStart, c.selLength, c.key), c.accepted);
}

constexpr Quantity kWait = Quantity::WaitTime;

INSTANTIATE_TEST_SUITE_P(
    Keys, TimeKeys,
    ::testing::Values(
        KeyCase{"SecondPointRefused", kWait, "12.3", 4, 0, '.', false},
        KeyCase{"PointReplacingTheOldPointPasses", kWait, "12.3", 2, 1, '.', true},
        KeyCase{"PointInRepeatCountRefused", Quantity::RepeatCount, "12", 2, 0, '.', false},
        KeyCase{"PointInCountRefused", Quantity::CompareValue, "12", 2, 0, '.', false},
        KeyCase{"ThirdDecimalRefused", kWait, "12.34", 5, 0, '5', false},
        KeyCase{"DigitBeforePointStillPasses", kWait, "12.34", 0, 0, '5', true},
        KeyCase{"SixthDigitBeforeTimePointRefused", kWait, "12345.6", 0, 0, '1', false},
        KeyCase{"ThirdDigitBeforeVoltagePointRefused", Quantity::Level, "10.2", 1, 0, '1', false},
        KeyCase{"LetterRefused", kWait, "1", 1, 0, 'a', false},
        KeyCase{"BackspaceAlwaysPasses", kWait, "12345.67", 8, 0, '\b', true},
        KeyCase{"FullTimeBoxRefused", kWait, "12345.67", 8, 0, '1', false},
        KeyCase{"FullBoxTakesAKeyOverItsSelection", kWait, "12345.67", 0, 8, '1', true},
        KeyCase{"FifthCountDigitRefused", Quantity::CompareValue, "4000", 4, 0, '1', false},
        KeyCase{"NoQuantityNoKeys", Quantity::None, "", 0, 0, '1', false}),
    testsupport::RowName());

TEST(TimeText, CutToTwoDecimalsAndToTheDigitsThatFit) {
    EXPECT_EQ(editor::CutTimeText(kWait, "12.345"), "12.34");
    EXPECT_EQ(editor::CutTimeText(kWait, "123456"), "12345");
    EXPECT_EQ(editor::CutTimeText(Quantity::Level, "102"), "10");
}

struct LimitCase {
    const char* name;
    Quantity q;
    double value;
    const char* message;  // "" when accepted
};

class TimeLimits : public ::testing::TestWithParam<LimitCase> {};

TEST_P(TimeLimits, OverTheLimitNamesTheLimit) {
    const LimitCase& c = GetParam();
    EXPECT_EQ(editor::TimeLimitMessage(c.q, c.value).value_or(""), c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, TimeLimits,
    ::testing::Values(
        LimitCase{"WaitAtLimit", kWait, 59999.99, ""},
        LimitCase{"WaitOver", kWait, 60000, "Time cannot exceed 59999.99"},
        LimitCase{"TimedOutputOver", Quantity::OutputTime, 60000.5, "Time cannot exceed 59999.99"},
        LimitCase{"VoltageAtLimit", Quantity::Level, 10.2, ""},
        LimitCase{"VoltageOver", Quantity::Level, 10.21, "Voltage cannot exceed 10.2"},
        LimitCase{"RepeatAtLimit", Quantity::RepeatCount, 59999, ""},
        LimitCase{"RepeatOver", Quantity::RepeatCount, 60000, "Repeat count cannot exceed 59999"},
        LimitCase{"CountAtLimit", Quantity::CompareValue, 4000, ""},
        LimitCase{"CountOver", Quantity::CompareValue, 4001, "Count cannot exceed 4000"},
        LimitCase{"NoQuantityNoLimit", Quantity::None, 99999, ""}),
    testsupport::RowName());

TEST(LineBox, TakesUpToThreeDigitsAndNoNegativeValue) {
    EXPECT_TRUE(editor::LineKeyAccepted("12", 0, '3'));
    EXPECT_FALSE(editor::LineKeyAccepted("123", 0, '4'));
    EXPECT_TRUE(editor::LineKeyAccepted("123", 3, '4'));
    EXPECT_FALSE(editor::LineKeyAccepted("1", 0, '.'));
    EXPECT_TRUE(editor::LineKeyAccepted("123", 0, '\b'));
    EXPECT_EQ(editor::LineBoxValue("-5"), 0);
}

struct LineLimitCase {
    const char* name;
    std::array<int, 3> line;  // F, P1, P2
    int page;
    int value;
    const char* message;
};

class LineLimits : public ::testing::TestWithParam<LineLimitCase> {};

TEST_P(LineLimits, BeyondThePageOrOver100Percent) {
    const LineLimitCase& c = GetParam();
    const model::FunctionInfo& function = editor::EditedFunction(c.line[0], c.line[2]);
    EXPECT_EQ(editor::LineLimitMessage(function, c.line[1], c.page, c.value).value_or(""),
              c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, LineLimits,
    ::testing::Values(
        LineLimitCase{"JumpOnPageCOver", {1, 0x01, 1}, 2, 250, "This page has only 75 lines"},
        LineLimitCase{"JumpOnPageCAtLimit", {8, 0x01, 1}, 2, 75, ""},
        LineLimitCase{"JumpOnPageAAt200", {13, 0x91, 0}, 0, 200, ""},
        LineLimitCase{"JumpOnPageAOver", {36, 0x31, 0}, 0, 201, "This page has only 200 lines"},
        LineLimitCase{"RepeatLineOver", {10, 0, 0}, 1, 76, "This page has only 75 lines"},
        LineLimitCase{"OtherPageBOver", {11, 2, 4}, 0, 76, "Page B has only 75 lines"},
        LineLimitCase{"OtherPageAFromPageC", {11, 1, 4}, 2, 200, ""},
        LineLimitCase{"PercentAt100", {253, 0x91, 0}, 0, 100, ""},
        LineLimitCase{"NoLineNoLimit", {9, 0, 0}, 0, 999, ""},
        LineLimitCase{
            "PercentOver", {251, 0x91, 0}, 0, 101, "Analog output cannot be higher than 100%"}),
    testsupport::RowName());

std::vector<std::string> Texts(model::FunctionGroup group, model::IONeed io) {
    std::vector<std::string> texts;
    for (const editor::LineOption& option : editor::OptionsOf(group, io))
        texts.push_back(option.Text);
    return texts;
}

TEST(Options, PercentagesOnlyForAnalogOutputsAndLevelsOnlyForAnalogInputs) {
    using model::FunctionGroup;
    using model::IONeed;
    EXPECT_EQ(Texts(FunctionGroup::Output, IONeed::Digital),
              (std::vector<std::string>{"Turn it ON", "Turn it OFF", "Limit on Time"}));
    EXPECT_EQ(Texts(FunctionGroup::Output, IONeed::Analog).size(), 6u);
    EXPECT_EQ(Texts(FunctionGroup::CheckInput, IONeed::Digital),
              (std::vector<std::string>{"For Status OFF", "For Status ON"}));
    EXPECT_EQ(Texts(FunctionGroup::CheckInput, IONeed::Analog),
              (std::vector<std::string>{"AT or ABOVE", "AT or BELOW"}));
}

TEST(Options, EveryFunctionOfAGroupWithOptionsHasItsText) {
    for (int g = 0; g <= static_cast<int>(model::FunctionGroup::Unknown); ++g) {
        const auto group = static_cast<model::FunctionGroup>(g);
        const editor::OptionItems& texts = editor::OptionTexts(group);
        if (!texts.empty()) {
            EXPECT_EQ(Texts(group, model::IONeed::Any), texts) << "group " << g;
        }
    }
}

}  // namespace
