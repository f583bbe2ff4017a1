// One line of every function family built as the user builds it (toolbar, list picks, typed
// keys), stored, and read back from the page as bytes and as its line text.
#include <gtest/gtest.h>

#include "EditorFixture.h"
#include "editor/StoreLine.h"
#include "model/LineText.h"
#include "tests/support/RowName.h"

namespace {

using editor::FieldId;

struct Action {
    enum Kind { Click, Pick, PickInput, Type } kind;
    FieldId field;
    std::string value;
    int inputList = 0;
};

Action Click(int button) {
    return {Action::Click, FieldId::FnOpts, std::to_string(button)};
}
Action Pick(FieldId field, std::string item) {
    return {Action::Pick, field, std::move(item)};
}
Action PickInput(int list, std::string item) {
    return {Action::PickInput, static_cast<FieldId>(list), std::move(item), list};
}
Action Type(FieldId box, std::string keys) {
    return {Action::Type, box, std::move(keys)};
}

struct FamilyLine {
    const char* name;
    std::vector<Action> actions;
    std::array<int16_t, 4> stored;
    const char* text;
};

class FamilyLines : public testeditor::EditorTest,
                    public ::testing::WithParamInterface<FamilyLine> {};

TEST_P(FamilyLines, BuiltLineIsStoredAndDescribedAsChosen) {
    const FamilyLine& line = GetParam();
    const int record = state.CurRecord();
    program.PgmData[record].Code = {9, 0, 1, 0};
    LoadStored({9, 0, 1, 0}, state.CurPage, state.CurLine);
    for (const Action& a : line.actions) {
        switch (a.kind) {
            case Action::Click:
                ASSERT_TRUE(core.ClickToolbar(std::stoi(a.value)));
                break;
            case Action::Pick:
                EditorTest::Pick(a.field, a.value);
                break;
            case Action::PickInput:
                EditorTest::Pick(
                    static_cast<FieldId>(static_cast<int>(FieldId::InputList0) + a.inputList),
                    a.value, a.inputList);
                break;
            case Action::Type:
                EditorTest::Type(a.field, a.value);
                ASSERT_EQ(core.CheckBeforeAccept(a.field), std::nullopt);
                break;
        }
    }
    ASSERT_EQ(editor::StoreLine(program, state), editor::StoreResult::Stored);
    EXPECT_EQ(program.PgmData[record].Code, line.stored);
    EXPECT_EQ(model::DescribeLine(program, record), line.text);
    // The stored line loads back into the fields that made it.
    const auto view = core.View();
    LoadStored(state.EditCode, state.CurPage, state.CurLine);
    for (int i = 0; i < editor::kFieldCount; ++i) {
        EXPECT_EQ(core.View().Fields[i].Visible, view.Fields[i].Visible)
            << editor::FieldName(static_cast<FieldId>(i));
    }
}

const FieldId kOpts = FieldId::FnOpts;
const FieldId kMisc = FieldId::FnMisc;
const FieldId kTime = FieldId::TimeCount;
const FieldId kLine = FieldId::LineMisc;

INSTANTIATE_TEST_SUITE_P(
    Families, FamilyLines,
    ::testing::Values(
        FamilyLine{"Blank", {Click(1)}, {0, 0, 0, 0}, "Blank"},
        FamilyLine{"DigitalInputCheck",
                   {Click(2), PickInput(0, "3"), Pick(kOpts, "For Status OFF"),
                    Pick(kMisc, "If Not, Move to Line"), Type(kLine, "7")},
                   {1, 0x03, 0, 7},
                   "Check Input 3 For Status OFF  If NOT, Move to Line 7"},
        FamilyLine{"AnalogInputCheck",
                   {Click(2), PickInput(0, "91"), Pick(kOpts, "AT or BELOW"), Type(kTime, "2.5")},
                   {14, 0x91, 62, 0},
                   "Check Input 91 for voltage BELOW 2.48"},
        FamilyLine{"CompareThreeInputs",
                   {Click(3), PickInput(1, "2"), PickInput(2, "92"), Pick(kOpts, "Any Off")},
                   {5, 0x01, 0x02, 0x92},
                   "Compare Inputs 1, 2, & 92 for ANY OFF"},
        FamilyLine{"TurnOutputOff",
                   {Click(4), Pick(FieldId::OutputList, "4"), Pick(kOpts, "Turn it OFF")},
                   {254, 0x04, 0, 0},
                   "Turn OFF Output 4"},
        FamilyLine{"TimedOutput",
                   {Click(4), Pick(kOpts, "Limit on Time"), Type(kTime, "1.5")},
                   {178, 0x01, 0, 1},
                   "Turn ON Output 1 for 1.50 Seconds"},
        FamilyLine{"AnalogOutputSet",
                   {Click(4), Pick(FieldId::OutputList, "91"), Pick(kOpts, "Set to  %"),
                    Type(kLine, "100")},
                   {253, 0x91, 0, 160},
                   "Set Output 91 to 100%"},
        FamilyLine{"AnalogOutputDecrease",
                   {Click(4), Pick(FieldId::OutputList, "92"), Pick(kOpts, "Decrease  %"),
                    Type(kLine, "25")},
                   {251, 0x92, 0, 0x25},
                   "Decrease Output 92 by  25%"},
        FamilyLine{"CheckOutput",
                   {Click(5), Pick(FieldId::OutputList, "2"), Pick(kOpts, "For Status Off"),
                    Pick(kMisc, "If Not, Move to Line"), Type(kLine, "12")},
                   {8, 0x02, 0, 12},
                   "Check Output 2 For Status OFF  If NOT, Move to Line 12"},
        FamilyLine{"Wait", {Click(6), Type(kTime, "1.5")}, {9, 0, 1, 50}, "Wait 1.50 Seconds"},
        FamilyLine{"Repeat",
                   {Click(7), Type(kLine, "2"), Type(kTime, "5")},
                   {10, 1, 0, 5},
                   "Repeat from Line 2, 5 Times"},
        FamilyLine{"MoveOtherPage",
                   {Click(8), Pick(kMisc, "B"), Pick(kOpts, "Move to Line"), Type(kLine, "10")},
                   {11, 2, 4, 9},
                   "Move Page B to Line 10"},
        FamilyLine{"ThawOtherPage",
                   {Click(8), Pick(kMisc, "F"), Pick(kOpts, "Thaw It")},
                   {11, 6, 2, 0},
                   "Thaw Page F"},
        FamilyLine{"StartTimer",
                   {Click(9), Pick(kOpts, "Start Timer"), Pick(FieldId::TmrCtrNum, "3"),
                    Pick(kMisc, "and Display it")},
                   {32, 163, 4, 1},
                   "Start Timer 3 and display it"},
        FamilyLine{"CheckTimer",
                   {Click(9), Pick(FieldId::TmrCtrNum, "8"), Pick(kOpts, "Check if On"),
                    Pick(kMisc, "If Not, Move to Line"), Type(kLine, "4")},
                   {32, 168, 1, 4},
                   "Check Timer 8 For Status ON  If NOT, Move to Line 4"},
        FamilyLine{"TimerMessage",
                   {Click(9), Pick(kOpts, "Display Message"), Pick(FieldId::TmrCtrMsg, "12")},
                   {32, 161, 7, 0x12},
                   "Display Message 12 on Timer Panel"},
        FamilyLine{"CounterCompare",
                   {Click(10), Pick(kOpts, "check AT or ABOVE"), Pick(FieldId::TmrCtrNum, "3"),
                    Type(kTime, "1000"), Pick(kMisc, "If Not, Move to Line"), Type(kLine, "4")},
                   {36, 0x33, 232, 4},
                   "Check if Counter 3 is AT or ABOVE 1000  If NOT, Move to Line 4"},
        FamilyLine{"IncrementCounter",
                   {Click(10), Pick(FieldId::TmrCtrNum, "2"), Pick(kMisc, "and Display it")},
                   {34, 2, 0, 1},
                   "Increment Counter 2 and display it"},
        FamilyLine{"CounterMessage",
                   {Click(10), Pick(kOpts, "Display Message"), Pick(FieldId::TmrCtrMsg, "9")},
                   {40, 1, 0, 0x09},
                   "Display Message 9 on Counter Panel"}),
    testsupport::RowName());

using EndPageChoice = testeditor::EditorTest;

TEST_F(EndPageChoice, EndPageOnLine3ClosesThePage) {
    LoadStored({9, 0, 1, 0}, 0, 2);
    ASSERT_TRUE(core.ClickToolbar(11));
    ASSERT_EQ(editor::StoreLine(program, state), editor::StoreResult::Stored);
    EXPECT_EQ(program.PgmData[2].F(), 12);
    EXPECT_EQ(program.RegisterByte(1, 0), 2);
}

TEST_F(EndPageChoice, EndPageGivenAnotherFunctionMovesDownOneLine) {
    LoadStored({12, 0, 0, 0}, 1, 0);
    program.PgmData[model::PageBase(1)].Code = {12, 0, 0, 0};
    ASSERT_TRUE(core.ClickToolbar(6));
    EditorTest::Type(FieldId::TimeCount, "2");
    ASSERT_EQ(editor::StoreLine(program, state), editor::StoreResult::Stored);
    EXPECT_EQ(state.Mode, editor::EditMode::End);
    EXPECT_EQ(model::DescribeLine(program, model::PageBase(1)), "Wait 2.00 Seconds");
    EXPECT_EQ(program.PgmData[model::PageBase(1) + 1].F(), 12);
    EXPECT_EQ(program.RegisterByte(2, 0), 1);
}

}  // namespace
