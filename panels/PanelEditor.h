// The timer or counter panel window's working copy and its rules: which entry and message are
// shown, what typing and the options store, the checks on leaving a value field, Clear, and what
// OK hands back. Both panels use it, told apart by their PanelKind.
#pragma once

#include <optional>
#include <string>

#include "model/PanelTables.h"
#include "panels/PanelKind.h"

namespace panels {

constexpr int kTextLength = 12;  // names and message lines, as the panel shows them

// The entry's option flags (word 12) and its bit in panel word 2.
enum class PanelOption {
    Bit6,            // timer: display the set time; counter: reset from the front panel
    Bit7,            // timer: adjustments permanent; counter: remember changes
    CountRemembered  // counter: the panel remembers its count
};

// Where the focus goes when it leaves a value field.
enum class FocusTarget { Set, High, Low, Cancel, Other };

// A check's result on leaving a value field: the message to show and keep the focus, or the
// text the field shows now.
struct LeaveResult {
    std::string Error;
    std::string Shown;
};

class PanelEditor {
  public:
    // Entry 1 and message 1 shown. Panel word 0 is made the count of the bits of word 1, as the
    // panel counts its entries; a file that disagreed counts as a change.
    PanelEditor(const PanelKind& kind, const model::PanelTables& stored);

    const PanelKind& Kind() const { return kind_; }
    const model::PanelTables& Tables() const { return tables_; }
    bool Changed() const { return changed_; }

    int Entry() const { return entry_; }  // 0..7
    void ShowEntry(int index);
    int MessageIndex() const { return message_; }  // 0..14
    void ShowMessage(int index);

    const std::string& Name() const { return tables_.Data[entry_].Name; }
    std::string ValueText(ValueField field) const;
    bool Option(PanelOption option) const;
    const model::PanelMessage& Message() const { return tables_.Msg[message_]; }

    // The user typed: each stores what the field may hold (no double quote, at most 12
    // characters) and returns it. The name marks the entry as set up; a message line marks
    // only the window changed.
    std::string TypeName(const std::string& text);
    std::string TypeMessage(bool top, const std::string& text);
    // An accepted key in a value field marks the entry; the value is stored on leaving.
    void ValueTyped();
    // Stores an option and marks the entry.
    void SetOption(PanelOption option, bool on);

    // Leaving value field `field` holding `text` towards `to`. Towards Cancel nothing is
    // checked; a value within the limit is still stored. Otherwise a value over the limit is
    // refused with its message, then the cross-checks with the set value run, each skipped when
    // the focus goes to the field it compares with. A time is shown "0.00" again once it passes.
    LeaveResult Leave(ValueField field, const std::string& text, FocusTarget to);

    // Clear Timer / Clear Counter: a marked entry goes back to its default name and zeros and is
    // no longer marked. An unmarked entry is left alone.
    void ClearEntry();

    // OK: the tables as edited, and whether the program changed.
    void Apply(model::PanelTables& tables, bool& pgmChanged) const;

  private:
    void MarkEntryUsed();
    void CountMarkedEntries();
    int Bit() const { return model::BitOfNumber(entry_ + 1); }

    const PanelKind& kind_;
    model::PanelTables tables_;
    int entry_ = 0;
    int message_ = 0;
    bool changed_ = false;
};

}  // namespace panels
