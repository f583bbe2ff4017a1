// The panel windows' rules.
#include "panels/PanelEditor.h"

#include <bitset>

#include "model/FieldText.h"
#include "panels/PanelValue.h"

namespace panels {

namespace {

constexpr int kFlagWord = 12;
constexpr int kFlagBit6 = 64;
constexpr int kFlagBit7 = 128;
constexpr int kMarkedCount = 0;  // panel words
constexpr int kMarkedBits = 1;
constexpr int kRememberedBits = 2;

}  // namespace

PanelEditor::PanelEditor(const PanelKind& kind, const model::PanelTables& stored)
    : kind_(kind), tables_(stored) {
    const int16_t before = tables_.Panel[kMarkedCount];
    CountMarkedEntries();
    changed_ = tables_.Panel[kMarkedCount] != before;
}

void PanelEditor::ShowEntry(int index) {
    if (index >= 0 && index < model::kEntryCount)
        entry_ = index;
}

void PanelEditor::ShowMessage(int index) {
    if (index >= 0 && index < model::kMessageCount)
        message_ = index;
}

std::string PanelEditor::ValueText(ValueField field) const {
    return panels::ValueText(kind_.Value, StoredValue(kind_.Value, tables_.Data[entry_], field));
}

bool PanelEditor::Option(PanelOption option) const {
    const int flags = tables_.Data[entry_].Words[kFlagWord];
    switch (option) {
        case PanelOption::Bit6:
            return (flags & kFlagBit6) != 0;
        case PanelOption::Bit7:
            return (flags & kFlagBit7) != 0;
        case PanelOption::CountRemembered:
            return (tables_.Panel[kRememberedBits] & Bit()) != 0;
    }
    return false;
}

std::string PanelEditor::TypeName(const std::string& text) {
    MarkEntryUsed();
    return tables_.Data[entry_].Name = model::WithoutQuotes(text, kTextLength);
}

std::string PanelEditor::TypeMessage(bool top, const std::string& text) {
    changed_ = true;
    model::PanelMessage& message = tables_.Msg[message_];
    return (top ? message.Top : message.Bottom) = model::WithoutQuotes(text, kTextLength);
}

void PanelEditor::ValueTyped() {
    MarkEntryUsed();
}

void PanelEditor::SetOption(PanelOption option, bool on) {
    const auto set = [on](int16_t& word, int bit) {
        word = static_cast<int16_t>(on ? (word | bit) : (word & ~bit));
    };
    int16_t& flags = tables_.Data[entry_].Words[kFlagWord];
    switch (option) {
        case PanelOption::Bit6:
            set(flags, kFlagBit6);
            break;
        case PanelOption::Bit7:
            set(flags, kFlagBit7);
            break;
        case PanelOption::CountRemembered:
            set(tables_.Panel[kRememberedBits], Bit());
            break;
    }
    MarkEntryUsed();
}

LeaveResult PanelEditor::Leave(ValueField field, const std::string& text, FocusTarget to) {
    const long value = ValueOfText(kind_.Value, text);
    const bool withinLimit = value <= MostValue(kind_.Value);
    model::PanelEntry& entry = tables_.Data[entry_];
    if (withinLimit)
        StoreValue(kind_.Value, entry, field, value);
    if (to == FocusTarget::Cancel)
        return {"", text};
    if (!withinLimit)
        return {kind_.OverLimit[static_cast<int>(field)], text};

    const long set = StoredValue(kind_.Value, entry, ValueField::Set);
    const long high = StoredValue(kind_.Value, entry, ValueField::High);
    const long low = StoredValue(kind_.Value, entry, ValueField::Low);
    const bool lowChecked = field == ValueField::Set
                                ? to != FocusTarget::Low
                                : field == ValueField::Low && to != FocusTarget::Set;
    const bool highChecked = field == ValueField::Set
                                 ? to != FocusTarget::High
                                 : field == ValueField::High && to != FocusTarget::Set;
    if (lowChecked && set < low)
        return {kind_.LowAboveSet, text};
    if (highChecked && set > high)
        return {kind_.HighBelowSet, text};
    return {"", kind_.Value == ValueKind::Seconds ? panels::ValueText(kind_.Value, value) : text};
}

void PanelEditor::ClearEntry() {
    if ((tables_.Panel[kMarkedBits] & Bit()) == 0)
        return;
    changed_ = true;
    model::PanelEntry& entry = tables_.Data[entry_];
    entry = model::PanelEntry{};
    entry.Name = std::string(kind_.EntryWord) + " " + std::to_string(entry_ + 1);
    tables_.Panel[kMarkedBits] = static_cast<int16_t>(tables_.Panel[kMarkedBits] & ~Bit());
    if (kind_.RemembersCounts)
        tables_.Panel[kRememberedBits] =
            static_cast<int16_t>(tables_.Panel[kRememberedBits] & ~Bit());
    CountMarkedEntries();
}

void PanelEditor::Apply(model::PanelTables& tables, bool& pgmChanged) const {
    tables = tables_;
    pgmChanged = pgmChanged || changed_;
}

void PanelEditor::MarkEntryUsed() {
    changed_ = true;
    tables_.Panel[kMarkedBits] = static_cast<int16_t>(tables_.Panel[kMarkedBits] | Bit());
    CountMarkedEntries();
}

// Word 0 follows the bits of word 1 (entries 1..8), so it can neither drift from them nor go
// below 0.
void PanelEditor::CountMarkedEntries() {
    const auto marked = static_cast<uint16_t>(tables_.Panel[kMarkedBits]) & 0xFF;
    tables_.Panel[kMarkedCount] = static_cast<int16_t>(std::bitset<8>(marked).count());
}

}  // namespace panels
