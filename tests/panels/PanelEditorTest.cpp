// The panel editor's rules, for the timer and the counter panel alike where they share them.
#include <gtest/gtest.h>

#include "model/PanelTables.h"
#include "panels/PanelEditor.h"
#include "panels/PanelValue.h"
#include "tests/support/RowName.h"

namespace {

using panels::FocusTarget;
using panels::PanelEditor;
using panels::PanelOption;
using panels::ValueField;
using panels::ValueKind;

struct Typing {
    const char* name;
    ValueKind Kind;
    const char* Before;
    const char* After;
    const char* Kept;
};

// A key that would leave a text the panel cannot hold is refused; a longer paste keeps what
// fits.
class ValueTyping : public ::testing::TestWithParam<Typing> {};

TEST_P(ValueTyping, KeepsWhatAFieldMayHold) {
    const Typing& t = GetParam();
    EXPECT_EQ(panels::TypedValue(t.Kind, t.Before, t.After), t.Kept);
}

INSTANTIATE_TEST_SUITE_P(
    Panels, ValueTyping,
    ::testing::Values(
        Typing{"TimeUpToTwoDecimals", ValueKind::Seconds, "59999.9", "59999.99", "59999.99"},
        Typing{"TimeThirdDecimal", ValueKind::Seconds, "59999.99", "59999.999", "59999.99"},
        Typing{"TimeSixthDigit", ValueKind::Seconds, "12345", "123456", "12345"},
        Typing{"TimeSecondPoint", ValueKind::Seconds, "1.5", "1.5.", "1.5"},
        Typing{"TimeLetter", ValueKind::Seconds, "1", "1a", "1"},
        Typing{"TimePasteCut", ValueKind::Seconds, "", "1234567.891", "12345.89"},
        Typing{"CountSixthDigit", ValueKind::Count, "59999", "599999", "59999"},
        Typing{"CountPoint", ValueKind::Count, "12", "12.", "12"},
        Typing{"CountPasteCut", ValueKind::Count, "", "12.345678", "12345"}),
    testsupport::RowName());

TEST(PanelValue, WordsHoldWholeHighLowAndHundredths) {
    model::PanelEntry entry;
    const long time = panels::ValueOfText(ValueKind::Seconds, "300.5");
    panels::StoreValue(ValueKind::Seconds, entry, ValueField::Set, time);
    EXPECT_EQ(entry.Words[0] * 10000 + entry.Words[1] * 100 + entry.Words[2], 14450);
    EXPECT_EQ(panels::ValueText(ValueKind::Seconds, time), "300.50");
    panels::StoreValue(ValueKind::Seconds, entry, ValueField::Low,
                       panels::ValueOfText(ValueKind::Seconds, "0.57"));
    EXPECT_EQ(entry.Words[8] + entry.Words[9] + entry.Words[10], 57);
    panels::StoreValue(ValueKind::Count, entry, ValueField::High, 59999);
    EXPECT_EQ(entry.Words[4] * 1000 + entry.Words[5], 234095);
}

class PanelEditorTest : public ::testing::Test {
  protected:
    model::PanelTables timers = model::DefaultPanelTables("Timer");
    model::PanelTables counters = model::DefaultPanelTables("Counter");
};

struct Leaving {
    const char* name;
    bool Counter;
    ValueField Field;
    const char* Text;
    FocusTarget To;
    const char* Error;
};

// Set 5 against low 10 and high 20 (times), or 100 against low 150 and high 200 (counts).
class LeaveChecks : public PanelEditorTest, public ::testing::WithParamInterface<Leaving> {};

TEST_P(LeaveChecks, GiveTheirMessageUnlessTheFocusGoesToTheOtherField) {
    const Leaving& l = GetParam();
    PanelEditor editor(l.Counter ? panels::CounterPanel() : panels::TimerPanel(),
                       l.Counter ? counters : timers);
    EXPECT_EQ(editor.Leave(ValueField::High, l.Counter ? "200" : "20", FocusTarget::Set).Error, "");
    EXPECT_EQ(editor.Leave(ValueField::Low, l.Counter ? "150" : "10", FocusTarget::Set).Error, "");
    if (l.Field != ValueField::Set)
        editor.Leave(ValueField::Set, l.Counter ? "100" : "5", FocusTarget::Cancel);
    EXPECT_EQ(editor.Leave(l.Field, l.Text, l.To).Error, l.Error);
}

INSTANTIATE_TEST_SUITE_P(
    Panels, LeaveChecks,
    ::testing::Values(
        Leaving{"SetTowardsLow", false, ValueField::Set, "5", FocusTarget::Low, ""},
        Leaving{"SetTowardsName", false, ValueField::Set, "5", FocusTarget::Other,
                "Low limit cannot be more than set time"},
        Leaving{"SetTowardsCancel", false, ValueField::Set, "5", FocusTarget::Cancel, ""},
        Leaving{"SetAboveHigh", false, ValueField::Set, "25", FocusTarget::Other,
                "High limit cannot be less than set time"},
        Leaving{"LowTowardsSet", false, ValueField::Low, "10", FocusTarget::Set, ""},
        Leaving{"HighBelowSet", false, ValueField::High, "4", FocusTarget::Low,
                "High limit cannot be less than set time"},
        Leaving{"OverLimit", false, ValueField::Low, "60000", FocusTarget::Set,
                "Low limit cannot exceed 59999.99 seconds"},
        Leaving{"OverLimitTowardsCancel", false, ValueField::Set, "60000", FocusTarget::Cancel, ""},
        Leaving{"CountTowardsName", true, ValueField::Set, "100", FocusTarget::Other,
                "Low limit cannot be more than set count"},
        Leaving{"CountOverLimit", true, ValueField::High, "60000", FocusTarget::Other,
                "High limit cannot exceed 59999"}),
    testsupport::RowName());

// A time that passes is shown "0.00" again and stored; one over the limit is not stored.
TEST_F(PanelEditorTest, LeavingStoresWhatPassesTheLimit) {
    PanelEditor editor(panels::TimerPanel(), timers);
    EXPECT_EQ(editor.Leave(ValueField::High, "300.5", FocusTarget::Set).Shown, "300.50");
    editor.Leave(ValueField::High, "60000", FocusTarget::Cancel);
    EXPECT_EQ(editor.ValueText(ValueField::High), "300.50");
}

// Clear on a marked timer 3 gives back its name and zeros and unmarks it; a second Clear, or one
// on an unmarked timer, does nothing. A name is stored as it is typed, without its quotes.
TEST_F(PanelEditorTest, ClearUnmarksAnEditedEntryOnce) {
    PanelEditor editor(panels::TimerPanel(), timers);
    editor.ShowEntry(2);
    EXPECT_EQ(editor.TypeName("Mix\"er time 12345"), "Mixer time 1");
    editor.SetOption(PanelOption::Bit7, true);
    EXPECT_EQ(editor.Tables().Panel[0] * 100 + editor.Tables().Panel[1], 104);
    editor.ClearEntry();
    EXPECT_EQ(editor.Tables().Data[2], timers.Data[2]);
    EXPECT_EQ(editor.Tables().Panel[0] * 100 + editor.Tables().Panel[1], 0);
    const model::PanelTables cleared = editor.Tables();
    editor.ClearEntry();
    EXPECT_EQ(editor.Tables(), cleared);
}

// "Count" is the counter's bit in panel word 2; Clear takes it away with the mark.
TEST_F(PanelEditorTest, RememberedCountIsAPanelBitThatClearRemoves) {
    PanelEditor editor(panels::CounterPanel(), counters);
    editor.ShowEntry(4);
    editor.SetOption(PanelOption::CountRemembered, true);
    EXPECT_TRUE(editor.Option(PanelOption::CountRemembered));
    EXPECT_EQ(editor.Tables().Panel[2], 16);
    EXPECT_EQ(editor.Tables().Panel[1], 16);
    editor.ClearEntry();
    EXPECT_EQ(editor.Tables().Panel, (std::array<int16_t, 4>{0, 0, 0, 0}));
}

// Word 0 counts the marked entries whatever a file said, so Clear can never store -1.
TEST_F(PanelEditorTest, MarkedCountFollowsTheMarksOfAFileThatDisagrees) {
    timers.Panel = {0, 4, 0, 0};
    PanelEditor editor(panels::TimerPanel(), timers);
    EXPECT_TRUE(editor.Changed());
    EXPECT_EQ(editor.Tables().Panel[0], 1);
    editor.ShowEntry(2);
    editor.ClearEntry();
    EXPECT_EQ(editor.Tables().Panel[0], 0);
}

// OK marks the program changed only when the window changed something; a message line counts.
TEST_F(PanelEditorTest, OkMarksTheProgramOnlyAfterAChange) {
    bool pgmChanged = false;
    PanelEditor editor(panels::TimerPanel(), timers);
    editor.Apply(timers, pgmChanged);
    EXPECT_FALSE(pgmChanged);
    editor.ShowMessage(14);
    EXPECT_EQ(editor.TypeMessage(false, "\"Done\""), "Done");
    editor.Apply(timers, pgmChanged);
    EXPECT_TRUE(pgmChanged);
    EXPECT_EQ(timers.Msg[14].Bottom + std::to_string(timers.Panel[1]), "Done0");
}

}  // namespace
