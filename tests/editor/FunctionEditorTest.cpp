// The function editor's fields per function family: what a stored line shows, what each pick
// and keystroke writes, and the limits the boxes keep.
#include <gtest/gtest.h>

#include "EditorFixture.h"
#include "editor/FieldLayout.h"
#include "editor/TimeCountRules.h"
#include "tests/support/RowName.h"

namespace {

using editor::EditMode;
using editor::FieldId;
using editor::LineCode;
using editor::LineEdit;
using testeditor::EditorTest;

using Toolbar = EditorTest;

TEST_F(Toolbar, TimerStartsWithTimer1CheckIfOff) {
    ASSERT_TRUE(core.ClickToolbar(9));
    EXPECT_EQ(state.EditCode, (LineCode{32, 161, 0, 0}));
    EXPECT_EQ(state.Mode, EditMode::Line);
    EXPECT_EQ(state.LineEdited, LineEdit::Yes);
    EXPECT_EQ(Field(FieldId::TmrCtrNum).ShownText(), "1");
    EXPECT_EQ(Field(FieldId::FnOpts).ShownText(), "Check if Off");
}

TEST_F(Toolbar, ControlAPageShowsPageAFreezeIt) {
    core.ClickToolbar(8);
    EXPECT_EQ(state.EditCode, (LineCode{11, 1, 1, 0}));
    EXPECT_EQ(Field(FieldId::FnMisc).ShownText(), "A");
    EXPECT_EQ(Field(FieldId::FnOpts).ShownText(), "Freeze It");
    EXPECT_EQ(core.View().Caption, "Control Page");
}

TEST_F(Toolbar, IOFunctionsStartWithTheFirstIOOfTheirLists) {
    core.ClickToolbar(3);
    EXPECT_EQ(state.EditCode, (LineCode{2, 0x01, 0x01, 0}));
    EXPECT_EQ(Field(FieldId::InputList2).ShownText(), "none");
    core.ClickToolbar(5);
    EXPECT_EQ(state.EditCode, (LineCode{8, 0x01, 1, 0}));
}

TEST_F(Toolbar, EndPageChoiceSetsNewEnd) {
    core.ClickToolbar(11);
    EXPECT_EQ(state.EditCode, (LineCode{12, 0, 0, 0}));
    EXPECT_EQ(state.Mode, EditMode::NewEnd);
}

TEST_F(Toolbar, ChangingFunctionKeepsNoOldParameters) {
    LoadStored({36, 0x33, 232, 4});
    core.ClickToolbar(10);
    EXPECT_EQ(state.EditCode, (LineCode{34, 1, 0, 0}));
}

TEST_F(Toolbar, TimerAndCounterFollowTheirModules) {
    program.SetRegisterByte(model::kTimerModuleRegister, 0, 0);
    core.RefreshIOLists();
    EXPECT_FALSE(core.View().ButtonEnabled[8]);
    EXPECT_TRUE(core.View().ButtonEnabled[9]);
    state.EditCode = {9, 0, 5, 0};
    EXPECT_FALSE(core.ClickToolbar(9));
    EXPECT_EQ(state.EditCode, (LineCode{9, 0, 5, 0}));
}

TEST_F(Toolbar, RepeatLinesCannotStartLine1) {
    LoadStored({0, 0, 0, 0}, 0, 0);
    EXPECT_FALSE(core.View().ButtonEnabled[6]);
    EXPECT_FALSE(core.ClickToolbar(7));
    LoadStored({0, 0, 0, 0}, 0, 1);
    EXPECT_TRUE(core.ClickToolbar(7));
}

using LoadLine = EditorTest;

TEST_F(LoadLine, WaitShowsItsTimeWithHundredths) {
    LoadStored({9, 1, 44, 5});
    EXPECT_EQ(Field(FieldId::TimeCount).Text, "300.05");
    EXPECT_EQ(core.View().PressedButton, 6);
}

TEST_F(LoadLine, RepeatShowsTheOneBasedLineAndTheCount) {
    LoadStored({10, 4, 1, 44});
    EXPECT_EQ(Field(FieldId::LineMisc).Text, "5");
    EXPECT_EQ(Field(FieldId::LineMiscLabel).Text, "Number of Times");
    EXPECT_EQ(Field(FieldId::TimeCount).Text, "300");
    EXPECT_EQ(
        editor::VisibleFields(core.View()),
        (std::vector<FieldId>{FieldId::LineMisc, FieldId::LineMiscLabel, FieldId::TimeCount}));
}

TEST_F(LoadLine, CheckOutputWhoseOutputIsGoneShows0) {
    LoadStored({8, 0x07, 1, 0});
    EXPECT_TRUE(Field(FieldId::OutputList).Visible);
    EXPECT_EQ(Field(FieldId::OutputList).Selected, -1);
    EXPECT_EQ(Field(FieldId::OutputList).ShownText(), "0");
    EXPECT_EQ(state.EditCode, (LineCode{8, 0x07, 1, 0}));
}

TEST_F(LoadLine, InvalidBcdAndZeroBytesShow0) {
    LoadStored({2, 0x1A, 0x00, 0x00});
    EXPECT_EQ(Field(FieldId::InputList0).ShownText(), "0");
    EXPECT_EQ(Field(FieldId::InputList1).ShownText(), "0");
    EXPECT_EQ(Field(FieldId::InputList2).ShownText(), "none");
}

TEST_F(LoadLine, UnknownCodesShowBlankAndStayUnchanged) {
    LoadStored({7, 1, 2, 3});
    EXPECT_EQ(core.View().Caption, "Blank");
    EXPECT_TRUE(editor::VisibleFields(core.View()).empty());
    EXPECT_EQ(state.EditCode, (LineCode{7, 1, 2, 3}));
}

struct CorrectionCase {
    const char* name;
    LineCode stored;
    LineCode shown;
};

class DisplayCorrections : public EditorTest,
                           public ::testing::WithParamInterface<CorrectionCase> {};

TEST_P(DisplayCorrections, LoadingRepairsTheCodeWithoutMarkingTheLineEdited) {
    LoadStored(GetParam().stored);
    EXPECT_EQ(state.EditCode, GetParam().shown);
    EXPECT_EQ(state.LineEdited, LineEdit::No);
}

INSTANTIATE_TEST_SUITE_P(
    Corrections, DisplayCorrections,
    ::testing::Values(
        CorrectionCase{"DigitalOutputPercentBecomesOn", {253, 0x02, 0, 0x50}, {255, 0x02, 0, 0x50}},
        CorrectionCase{"AnalogOutputKeepsPercent", {252, 0x91, 0, 0x50}, {252, 0x91, 0, 0x50}},
        CorrectionCase{"Timer0BecomesTimer1", {32, 0, 4, 1}, {32, 161, 4, 1}},
        CorrectionCase{"Counter0BecomesCounter1", {36, 0x30, 5, 0}, {36, 0x31, 5, 0}},
        CorrectionCase{"TimerMessage0BecomesMessage1", {32, 161, 7, 0}, {32, 161, 7, 1}},
        CorrectionCase{"CounterMessage0BecomesMessage1", {40, 1, 0, 0}, {40, 1, 0, 1}}),
    testsupport::RowName());

using TimeFamily = EditorTest;

TEST_F(TimeFamily, WaitCutsToTwoDecimalsAndPacksSecondsAndHundredths) {
    LoadStored({9, 0, 0, 0});
    EXPECT_EQ(Type(FieldId::TimeCount, "12.345"), "12.34");
    EXPECT_EQ(state.EditCode, (LineCode{9, 0, 12, 34}));
    Type(FieldId::TimeCount, "300");
    EXPECT_EQ(state.EditCode, (LineCode{9, 1, 44, 0}));
}

TEST_F(TimeFamily, WaitUpTo59999_99IsAcceptedAndMoreRefused) {
    LoadStored({9, 0, 0, 0});
    Type(FieldId::TimeCount, "59999.99");
    EXPECT_EQ(core.LeaveTimeCount(), std::nullopt);
    EXPECT_TRUE(core.TimeValid());
    Type(FieldId::TimeCount, "60000");
    EXPECT_EQ(core.CheckBeforeAccept(FieldId::TimeCount).value_or(""),
              "Time cannot exceed 59999.99");
    EXPECT_FALSE(core.TimeValid());
}

TEST_F(TimeFamily, TimedOutputCarriesItsHundredthsInTheFunctionCode) {
    LoadStored({255, 0x01, 0, 0});
    Pick(FieldId::FnOpts, "Limit on Time");
    EXPECT_EQ(Field(FieldId::TimeCount).Text, "0.00");
    Type(FieldId::TimeCount, "1.5");
    EXPECT_EQ(state.EditCode, (LineCode{178, 0x01, 0, 1}));
    Type(FieldId::TimeCount, "300");
    EXPECT_EQ(state.EditCode, (LineCode{128, 0x01, 1, 44}));
}

TEST_F(TimeFamily, PercentageDoesNotTurnIntoATime) {
    LoadStored({253, 0x91, 0, 0x50});
    Pick(FieldId::FnOpts, "Limit on Time");
    EXPECT_EQ(Field(FieldId::TimeCount).Text, "0.00");
    EXPECT_EQ(state.EditCode, (LineCode{128, 0x91, 0, 0}));
}

TEST_F(TimeFamily, RepeatCountOverLimitRefused) {
    LoadStored({10, 0, 0, 1}, 0, 3);
    EXPECT_EQ(Type(FieldId::TimeCount, "6.0000"), "60000");
    EXPECT_EQ(core.LeaveTimeCount().value_or(""), "Repeat count cannot exceed 59999");
}

using InputFamily = EditorTest;

TEST_F(InputFamily, VoltageRoundsHalfToEvenAndStopsAt10_2) {
    LoadStored({13, 0x91, 0, 0});
    EXPECT_EQ(Field(FieldId::TimeCount).Text, "0.00");
    Type(FieldId::TimeCount, "2.5");
    EXPECT_EQ(state.EditCode[2], 62);
    Type(FieldId::TimeCount, "10.21");
    EXPECT_EQ(core.LeaveTimeCount().value_or(""), "Voltage cannot exceed 10.2");
    Type(FieldId::TimeCount, "10.2");
    EXPECT_EQ(core.LeaveTimeCount(), std::nullopt);
    EXPECT_EQ(state.EditCode[2], 255);
}

TEST_F(InputFamily, AnalogInputTurnsADigitalCheckIntoAVoltageCheckAndBack) {
    core.ClickToolbar(2);
    EXPECT_EQ(state.EditCode, (LineCode{1, 0x01, 1, 0}));
    Pick(FieldId::InputList0, "91");
    EXPECT_EQ(state.EditCode, (LineCode{13, 0x91, 0, 0}));
    EXPECT_TRUE(Field(FieldId::TimeCount).Visible);
    EXPECT_EQ(Field(FieldId::FnOpts).ShownText(), "AT or ABOVE");
    Pick(FieldId::InputList0, "2");
    EXPECT_EQ(state.EditCode[0], 1);
    EXPECT_EQ(state.EditCode[1], 0x02);
    EXPECT_FALSE(Field(FieldId::TimeCount).Visible);
    EXPECT_EQ(Field(FieldId::FnOpts).Items.front().Text, "For Status OFF");
}

TEST_F(InputFamily, CheckOfAnInputNoLongerFittedKeepsItsFields) {
    LoadStored({14, 0x51, 50, 9});
    EXPECT_EQ(Field(FieldId::InputList0).ShownText(), "0");
    EXPECT_EQ(Field(FieldId::FnOpts).ShownText(), "AT or BELOW");
    EXPECT_EQ(Field(FieldId::TimeCount).Text, "2.00");
    EXPECT_EQ(Field(FieldId::LineMisc).Text, "9");
}

TEST_F(InputFamily, JumpOptionShowsAndHidesTheJumpLine) {
    LoadStored({1, 0x01, 1, 0});
    EXPECT_FALSE(Field(FieldId::LineMisc).Visible);
    Pick(FieldId::FnMisc, "If Not, Move to Line");
    EXPECT_EQ(state.EditCode[3], 1);
    EXPECT_EQ(Field(FieldId::LineMisc).Text, "1");
    Type(FieldId::LineMisc, "7");
    EXPECT_EQ(state.EditCode[3], 7);
    Pick(FieldId::FnMisc, "If Not, Do NOT Move");
    EXPECT_EQ(state.EditCode[3], 0);
    EXPECT_FALSE(Field(FieldId::LineMisc).Visible);
    Pick(FieldId::FnMisc, "If Not, Move to Line");
    EXPECT_EQ(state.EditCode[3], 7);
}

TEST_F(InputFamily, JumpBeyondPageCRefused) {
    LoadStored({1, 0x01, 1, 5}, 2, 3);
    Type(FieldId::LineMisc, "250");
    EXPECT_EQ(core.CheckBeforeAccept(FieldId::LineMisc).value_or(""),
              "This page has only 75 lines");
    EXPECT_FALSE(core.LineValid());
    Type(FieldId::LineMisc, "75");
    EXPECT_EQ(core.LeaveLineMisc(), std::nullopt);
    EXPECT_TRUE(core.LineValid());
}

TEST_F(InputFamily, FieldEditsCountBeforeAnyToolbarChoice) {
    ASSERT_EQ(state.Mode, EditMode::No);
    LoadStored({1, 0x01, 1, 0});
    Pick(FieldId::InputList0, "3");
    EXPECT_EQ(state.EditCode[1], 0x03);
    EXPECT_EQ(state.LineEdited, LineEdit::Yes);
}

using OutputFamily = EditorTest;

TEST_F(OutputFamily, PercentagesOfferedOnlyForAnalogOutputs) {
    LoadStored({255, 0x01, 0, 0});
    EXPECT_EQ(Field(FieldId::FnOpts).Items.size(), 3u);
    Pick(FieldId::OutputList, "91");
    EXPECT_EQ(Field(FieldId::FnOpts).Items.size(), 6u);
    EXPECT_EQ(Field(FieldId::FnOpts).Items[3].Text, "Set to  %");
}

TEST_F(OutputFamily, NamedAnalogOutputStillOffersPercentages) {
    program.IOName[91][model::kOutput] = "VALVE";
    core.RefreshIOLists();
    LoadStored({255, 0x01, 0, 0});
    Pick(FieldId::OutputList, "VALVE");
    EXPECT_EQ(state.EditCode[1], 0x91);
    EXPECT_EQ(Field(FieldId::FnOpts).Items.size(), 6u);
}

TEST_F(OutputFamily, Percent100Is160And101Refused) {
    LoadStored({255, 0x91, 0, 0});
    Pick(FieldId::FnOpts, "Set to  %");
    EXPECT_EQ(Field(FieldId::LineMiscLabel).Text, "%");
    Type(FieldId::LineMisc, "100");
    EXPECT_EQ(state.EditCode, (LineCode{253, 0x91, 0, 160}));
    EXPECT_EQ(core.LeaveLineMisc(), std::nullopt);
    Type(FieldId::LineMisc, "101");
    EXPECT_EQ(core.LeaveLineMisc().value_or(""), "Analog output cannot be higher than 100%");
    Type(FieldId::LineMisc, "45");
    EXPECT_EQ(state.EditCode[3], 0x45);
    Pick(FieldId::FnOpts, "Decrease  %");
    EXPECT_EQ(state.EditCode, (LineCode{251, 0x91, 0, 0x45}));
    EXPECT_EQ(Field(FieldId::LineMisc).Text, "45");
}

TEST_F(OutputFamily, PercentageLineShows100For160) {
    LoadStored({253, 0x91, 0, 160});
    EXPECT_EQ(Field(FieldId::FnOpts).ShownText(), "Set to  %");
    EXPECT_EQ(Field(FieldId::LineMisc).Text, "100");
}

using CounterFamily = EditorTest;

TEST_F(CounterFamily, Compare1000OnCounter3WhicheverFieldChangesLast) {
    LoadStored({36, 0x01, 0, 0});
    Pick(FieldId::TmrCtrNum, "3");
    Type(FieldId::TimeCount, "1000");
    EXPECT_EQ(state.EditCode, (LineCode{36, 0x33, 232, 0}));

    LoadStored({36, 0x01, 0, 0});
    Type(FieldId::TimeCount, "1000");
    Pick(FieldId::TmrCtrNum, "3");
    EXPECT_EQ(state.EditCode, (LineCode{36, 0x33, 232, 0}));
}

TEST_F(CounterFamily, CompareShowsItsFieldsLeftToRight) {
    LoadStored({37, 0x33, 232, 4});
    EXPECT_EQ(Field(FieldId::TimeCount).Text, "1000");
    EXPECT_EQ(editor::VisibleFields(core.View()),
              (std::vector<FieldId>{FieldId::FnOpts, FieldId::TmrCtrNum, FieldId::TimeCount,
                                    FieldId::FnMisc, FieldId::LineMisc}));
}

TEST_F(CounterFamily, LeavingACompareDropsTheCompareValue) {
    LoadStored({36, 0x33, 232, 4});
    Pick(FieldId::FnOpts, "Increment Counter");
    EXPECT_EQ(state.EditCode, (LineCode{34, 0x03, 0, 0}));
    EXPECT_EQ(Field(FieldId::TmrCtrNum).ShownText(), "3");
}

TEST_F(CounterFamily, CountOver4000Refused) {
    LoadStored({36, 0x01, 0, 0});
    Type(FieldId::TimeCount, "4001");
    EXPECT_EQ(core.LeaveTimeCount().value_or(""), "Count cannot exceed 4000");
}

using MessageFamily = EditorTest;

TEST_F(MessageFamily, Message12IsStoredAsBcd) {
    LoadStored({32, 161, 0, 0});
    Pick(FieldId::FnOpts, "Display Message");
    EXPECT_EQ(state.EditCode[3], 1);
    Pick(FieldId::TmrCtrMsg, "12");
    EXPECT_EQ(state.EditCode, (LineCode{32, 161, 7, 0x12}));

    LoadStored({40, 1, 0, 1});
    Pick(FieldId::TmrCtrMsg, "12");
    EXPECT_EQ(state.EditCode[3], 0x12);
}

TEST_F(MessageFamily, MessageBeyond15Shows0) {
    LoadStored({32, 161, 7, 0x16});
    EXPECT_EQ(Field(FieldId::TmrCtrMsg).ShownText(), "0");
}

TEST_F(MessageFamily, LeavingAMessageDoesNotReadItAsAJumpLine) {
    LoadStored({32, 161, 7, 0x18});
    Pick(FieldId::FnOpts, "Check if On");
    EXPECT_EQ(state.EditCode, (LineCode{32, 161, 1, 0}));
    EXPECT_FALSE(Field(FieldId::LineMisc).Visible);
}

using PageFamily = EditorTest;

TEST_F(PageFamily, MoveToLineOfAnotherPageIsLimitedByThatPage) {
    LoadStored({11, 1, 1, 0});
    Pick(FieldId::FnMisc, "B");
    Pick(FieldId::FnOpts, "Move to Line");
    EXPECT_EQ(Field(FieldId::LineMisc).Text, "1");
    Type(FieldId::LineMisc, "76");
    EXPECT_EQ(core.LeaveLineMisc().value_or(""), "Page B has only 75 lines");
    Type(FieldId::LineMisc, "10");
    EXPECT_EQ(state.EditCode, (LineCode{11, 2, 4, 9}));
}

TEST_F(PageFamily, RepeatFromLine5WritesOffset4) {
    LoadStored({10, 0, 0, 1}, 0, 6);
    Type(FieldId::LineMisc, "5");
    EXPECT_EQ(state.EditCode[1], 4);
    Type(FieldId::LineMisc, "0");
    EXPECT_EQ(state.EditCode[1], 0);
}

}  // namespace
