// The function editor without its widgets, one table grouped by function family: a stored line,
// what the user does to it, the line code that results and the fields it shows, left to right.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "EditorFixture.h"
#include "editor/FieldLayout.h"
#include "editor/Toolbar.h"
#include "tests/support/RowName.h"

namespace {

using editor::EditMode;
using editor::FieldId;
using editor::LineCode;
using editor::LineEdit;
using testeditor::EditorTest;

// Short field names, also the verbs of the actions.
constexpr const char* kNames[editor::kFieldCount] = {"in0",  "in1",  "in2",  "out",  "num",  "msg",
                                                     "opts", "misc", "time", "line", "label"};

struct Line {
    const char* name;
    // "stored code | actions | code afterwards", the last two optional: "9 0 0 0 | time 1.5 |
    // 9 0 1 50". Actions are toolbar clicks ("click 9"), picks ("opts Start Timer") and keys
    // typed into a box ("time 1.5"), separated by ';'.
    const char* script;
    const char* shown;  // the visible fields: "name value | name value ..."
};

LineCode Code(const std::string& text) {
    LineCode code{};
    std::sscanf(text.c_str(), "%i %i %i %i", &code[0], &code[1], &code[2], &code[3]);
    return code;
}

class Lines : public EditorTest, public ::testing::WithParamInterface<Line> {
  protected:
    void Run(const std::string& actions) {
        std::istringstream steps(actions);
        std::string step;
        while (std::getline(steps, step, ';')) {
            std::istringstream words(step);
            std::string verb, value;
            if (!(words >> verb))
                continue;
            std::getline(words >> std::ws, value);
            value.erase(value.find_last_not_of(' ') + 1);
            if (verb == "click") {
                ASSERT_TRUE(core.ClickToolbar(std::stoi(value)));
                continue;
            }
            const auto* name = std::find(std::begin(kNames), std::end(kNames), verb);
            ASSERT_NE(name, std::end(kNames)) << verb;
            const auto id = static_cast<FieldId>(name - std::begin(kNames));
            if (id == FieldId::TimeCount || id == FieldId::LineMisc)
                Type(id, value);
            else
                Pick(id, value);
        }
    }

    std::string Shown() const {
        const editor::EditorView& view = core.View();
        std::string text;
        for (FieldId id : editor::VisibleFields(view)) {
            const editor::FieldState& field = view[id];
            text += (text.empty() ? "" : " | ") + std::string(kNames[static_cast<int>(id)]) + " " +
                    (id < FieldId::TimeCount ? field.ShownText() : field.Text);
        }
        return text;
    }
};

TEST_P(Lines, FieldsShowAndWriteTheBytesTheFunctionHolds) {
    std::istringstream script(GetParam().script);
    std::string stored, actions, code;
    std::getline(script, stored, '|');
    std::getline(script, actions, '|');
    std::getline(script, code);
    const bool acted = actions.find_first_not_of(' ') != std::string::npos;
    LoadStored(Code(stored));
    Run(actions);
    EXPECT_EQ(state.EditCode, Code(code.empty() ? stored : code));
    EXPECT_EQ(Shown(), GetParam().shown);
    EXPECT_EQ(state.LineEdited, acted ? LineEdit::Yes : LineEdit::No);
    EXPECT_EQ(editor::ToolbarButtons()[core.View().PressedButton - 1].Group, core.View().Group);
    // The line loads back into the fields that made it.
    const std::vector<FieldId> fields = editor::VisibleFields(core.View());
    LoadStored(state.EditCode);
    EXPECT_EQ(editor::VisibleFields(core.View()), fields);
}

const Line kLines[] = {
    // Blank
    {"UnknownCodeShowsBlankUnchanged", "7 1 2 3", ""},
    // Check Input
    {"StatusWithJumpLineBackAfterDoNotMove",
     "0 0 0 0 | click 2; in0 3; opts For Status OFF; misc If Not, Move to Line; line 7; "
     "misc If Not, Do NOT Move; misc If Not, Move to Line | 1 3 0 7",
     "in0 3 | opts For Status OFF | misc If Not, Move to Line | line 7"},
    {"LevelRoundsHalfToEven", "13 0x91 0 0 | time 2.5; opts AT or BELOW | 14 0x91 62 0",
     "in0 91 | opts AT or BELOW | time 2.5 | misc If Not, Do NOT Move"},
    {"AnalogInputStartsALevelFrom0", "1 1 1 0 | in0 91 | 13 0x91 0 0",
     "in0 91 | opts AT or ABOVE | time 0.00 | misc If Not, Do NOT Move"},
    {"DigitalInputReadsTheLevelAsStatus", "13 0x91 50 0 | in0 2 | 1 2 50 0",
     "in0 2 | opts For Status ON | misc If Not, Do NOT Move"},
    {"UnfittedInputKeepsItsLevel", "14 0x51 50 9",
     "in0 0 | opts AT or BELOW | time 2.00 | misc If Not, Move to Line | line 9"},
    {"StatusCheckOnAnalogInputShowsBelow", "1 0x91 1 4",
     "in0 91 | opts AT or BELOW | time 0.04 | misc If Not, Move to Line | line 4"},
    {"LevelCheckOnDigitalInputShowsStatus", "13 2 50 0",
     "in0 2 | opts For Status ON | misc If Not, Do NOT Move"},
    // Compare Inputs
    {"ThreeInputsAnyOff", "0 0 0 0 | click 3; in1 2; in2 92; opts Any Off | 5 1 2 0x92",
     "in0 1 | in1 2 | in2 92 | opts Any Off"},
    {"InvalidBcdAndZeroShow0", "2 0x1A 0 0", "in0 0 | in1 0 | in2 none | opts All On"},
    // Output
    {"TurnOff", "0 0 0 0 | click 4; out 4; opts Turn it OFF | 254 4 0 0",
     "out 4 | opts Turn it OFF"},
    {"TimeHundredthsGoIntoF",
     "255 1 0 0 | opts Limit on Time; time 1.5; opts Limit on Time | 178 1 0 1",
     "out 1 | opts Limit on Time | time 1.50"},
    {"StrayCodeEditsAsTimedOutput", "240 1 0 0 | time 300 | 128 1 1 44",
     "out 1 | opts Limit on Time | time 300"},
    {"PercentageIsNotReadAsATime", "253 0x91 0 0x50 | opts Limit on Time | 128 0x91 0 0",
     "out 91 | opts Limit on Time | time 0.00"},
    {"Percent100Is160", "0 0 0 0 | click 4; out 91; opts Set to  %; line 100 | 253 0x91 0 160",
     "out 91 | opts Set to  % | line 100 | label %"},
    {"AnotherPercentageKeepsTheValue", "253 0x91 0 0x45 | opts Decrease  % | 251 0x91 0 0x45",
     "out 91 | opts Decrease  % | line 45 | label %"},
    {"PercentageOnDigitalOutputTurnsOn", "253 2 0 0x50 | | 255 2 0 0x50",
     "out 2 | opts Turn it ON"},
    // Check Output
    {"StatusWithJump",
     "0 0 0 0 | click 5; out 2; opts For Status Off; misc If Not, Move to "
     "Line; line 12 | 8 2 0 12",
     "out 2 | opts For Status Off | misc If Not, Move to Line | line 12"},
    {"OutputGoneShows0", "8 7 1 0", "out 0 | opts For Status On | misc If Not, Do NOT Move"},
    // Wait and Repeat Lines
    {"WaitShowsHundredths", "9 1 44 5", "time 300.05"},
    {"WaitLongest", "9 0 0 0 | time 59999.99 | 9 234 95 99", "time 59999.99"},
    {"RepeatFromLine5For300Times", "10 0 0 1 | line 5; time 300 | 10 4 1 44",
     "line 5 | label Number of Times | time 300"},
    {"RepeatFromLine0IsLine1", "10 9 0 1 | line 0 | 10 0 0 1",
     "line 0 | label Number of Times | time 1"},
    // Control Page
    {"ToolbarStartsFreezePageA", "0 0 0 0 | click 8 | 11 1 1 0", "misc A | opts Freeze It"},
    {"MoveNamesALineOfThatPage", "11 1 1 0 | misc B; opts Move to Line; line 10 | 11 2 4 9",
     "misc B | opts Move to Line | line 10"},
    {"MoveLineSurvivesAnotherAction", "11 2 4 9 | opts Freeze It; opts Move to Line | 11 2 4 9",
     "misc B | opts Move to Line | line 10"},
    // Timer
    {"StartTimer3Displayed",
     "0 0 0 0 | click 9; opts Start Timer; num 3; misc and Display it | 32 163 4 1",
     "opts Start Timer | num 3 | misc and Display it"},
    {"ToolbarStartsCheckTimer8WithJump",
     "0 0 0 0 | click 9; num 8; misc If Not, Move to Line; line 4 | 32 168 0 4",
     "opts Check if Off | num 8 | misc If Not, Move to Line | line 4"},
    {"JumpPickedAgainStartsAtLine1", "32 161 1 9 | misc If Not, Move to Line | 32 161 1 1",
     "opts Check if On | num 1 | misc If Not, Move to Line | line 1"},
    {"Timer0ShowsAsTimer1", "32 0 4 1 | | 32 161 4 1",
     "opts Start Timer | num 1 | misc and Display it"},
    {"Message12IsBcd", "32 161 0 0 | opts Display Message; msg 12 | 32 161 7 0x12",
     "opts Display Message | msg 12"},
    {"Message0ShowsAsMessage1", "32 161 7 0 | | 32 161 7 1", "opts Display Message | msg 1"},
    {"MessageBeyond15Shows0", "32 161 7 0x16", "opts Display Message | msg 0"},
    {"MessageIsNotReadAsAJumpLine", "32 161 7 0x18 | opts Check if On | 32 161 1 0",
     "opts Check if On | num 1 | misc If Not, Do NOT Move"},
    {"UnknownOperationIsLeftFromZero", "32 161 9 5 | opts Freeze Timer | 32 161 2 0",
     "opts Freeze Timer | num 1"},
    // Counter
    {"ToolbarKeepsNoOldParameter",
     "36 0x33 232 4 | click 10; num 2; misc and Display it | 34 2 0 1",
     "opts Increment Counter | num 2 | misc and Display it"},
    {"CompareCounterThenValue", "36 1 0 0 | num 3; time 1000 | 36 0x33 232 0",
     "opts check AT or ABOVE | num 3 | time 1000 | misc If Not, Do NOT Move"},
    {"CompareValueThenCounter", "36 1 0 0 | time 1000; num 3 | 36 0x33 232 0",
     "opts check AT or ABOVE | num 3 | time 1000 | misc If Not, Do NOT Move"},
    {"Counter0ShowsAsCounter1", "37 0x30 232 4 | | 37 0x31 232 4",
     "opts check AT or BELOW | num 1 | time 1000 | misc If Not, Move to Line | line 4"},
    {"LeavingACompareDropsItsValue", "36 0x33 232 4 | opts Increment Counter | 34 3 0 0",
     "opts Increment Counter | num 3 | misc Do not Display"},
    {"CompareTakesTheValueItFinds", "34 0x33 232 1 | opts check AT or ABOVE | 36 0x33 232 0",
     "opts check AT or ABOVE | num 3 | time 1000 | misc If Not, Do NOT Move"},
    {"Message9", "0 0 0 0 | click 10; opts Display Message; msg 9 | 40 1 0 9",
     "opts Display Message | msg 9"},
};
INSTANTIATE_TEST_SUITE_P(Families, Lines, ::testing::ValuesIn(kLines), testsupport::RowName());

using Toolbar = EditorTest;

TEST_F(Toolbar, TimerAndCounterFollowTheirModulesAndRepeatLinesNeedsALineAbove) {
    program.SetRegisterByte(model::kTimerModuleRegister, 0, 0);
    core.RefreshIOLists();
    EXPECT_TRUE(core.View().ButtonEnabled[9]);
    LoadStored({9, 0, 5, 0});
    EXPECT_FALSE(core.ClickToolbar(9));
    EXPECT_EQ(state.EditCode, (LineCode{9, 0, 5, 0}));
    LoadStored({0, 0, 0, 0}, 0, 0);
    EXPECT_FALSE(core.ClickToolbar(7));
    LoadStored({0, 0, 0, 0}, 0, 1);
    EXPECT_TRUE(core.ClickToolbar(7));
}

TEST_F(Toolbar, EndPageChoiceIsANewEndAnyOtherALine) {
    core.ClickToolbar(11);
    EXPECT_EQ(state.Mode, EditMode::NewEnd);
    core.ClickToolbar(6);
    EXPECT_EQ(state.Mode, EditMode::Line);
}

using Picks = EditorTest;

TEST_F(Picks, IndexOutsideTheListChangesNothing) {
    LoadStored({32, 161, 4, 1});
    core.SelectFnOpts(-1);
    core.SelectFnMisc(2);
    core.SelectTmrCtrNum(8);
    core.SelectTmrCtrMsg(-1);
    EXPECT_EQ(state.EditCode, (LineCode{32, 161, 4, 1}));
    EXPECT_EQ(state.LineEdited, LineEdit::No);
}

using Boxes = EditorTest;

// The limits themselves are the rules' (FieldRulesTest) and a time's refusal is the session's;
// here, that the line box is checked with the line's page and the page a move names.
TEST_F(Boxes, LineOverItsPagesLengthKeepsTheLineFromBeingAccepted) {
    LoadStored({1, 0x01, 1, 5}, 2);
    Type(FieldId::LineMisc, "76");
    EXPECT_TRUE(core.CheckBeforeAccept(FieldId::LineMisc).has_value());
    LoadStored({11, 1, 4, 9}, 2);
    Type(FieldId::LineMisc, "200");
    EXPECT_EQ(core.LeaveLineMisc(), std::nullopt);
}

TEST_F(Boxes, NamedAnalogOutputStillOffersPercentages) {
    program.IOName[91][model::kOutput] = "VALVE";
    core.RefreshIOLists();
    LoadStored({255, 0x01, 0, 0});
    Pick(FieldId::OutputList, "VALVE");
    Pick(FieldId::FnOpts, "Set to  %");
    EXPECT_EQ(state.EditCode, (LineCode{253, 0x91, 0, 0}));
}

}  // namespace
