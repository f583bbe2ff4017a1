// What the function editor's fields show: a plain description the widgets copy onto themselves.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/FunctionTable.h"

namespace editor {

// The fields next to lblFunction. The three input lists share one control name.
enum class FieldId {
    InputList0,
    InputList1,
    InputList2,
    OutputList,
    TmrCtrNum,
    TmrCtrMsg,
    FnOpts,
    FnMisc,
    TimeCount,
    LineMisc,
    LineMiscLabel,
};
constexpr int kFieldCount = 11;

// The control name of a field (objectName of its widget).
constexpr const char* FieldName(FieldId id) {
    constexpr std::array<const char*, kFieldCount> names{
        "cboInputList", "cboInputList", "cboInputList", "cboOutputList",
        "cboTmrCtrNum", "cboTmrCtrMsg", "cboFnOpts",    "cboFnMisc",
        "txtTimeCount", "txtLineMisc",  "lblLineMisc",
    };
    return names[static_cast<int>(id)];
}

// One entry of a drop-down list: the text shown and its item value (the I/O number in the
// input and output lists, 0 elsewhere).
struct ListItem {
    std::string Text;
    int32_t Value = 0;

    bool operator==(const ListItem& o) const { return Text == o.Text && Value == o.Value; }
};

// A list, a text box or a label. Lists use Items and Selected; text boxes and labels use Text
// (and MaxLength for boxes, in characters).
struct FieldState {
    bool Visible = false;
    std::vector<ListItem> Items;
    int Selected = -1;  // -1: no item selected, the list shows "0"
    std::string Text;
    int MaxLength = 0;

    // The text a list shows: its selected item's, or "0" when none is selected.
    std::string ShownText() const { return Selected >= 0 ? Items[Selected].Text : "0"; }

    // Selects item index; an index outside the list leaves it without a selection.
    void Select(int index) {
        Selected = index >= 0 && index < static_cast<int>(Items.size()) ? index : -1;
    }

    // The selected item's value, -1 when nothing is selected.
    int SelectedValue() const { return Selected >= 0 ? Items[Selected].Value : -1; }

    // The index of the item whose value is value, -1 when there is none.
    int IndexOfValue(int value) const {
        for (std::size_t i = 0; i < Items.size(); ++i) {
            if (Items[i].Value == value)
                return static_cast<int>(i);
        }
        return -1;
    }
};

constexpr int kToolbarButtonCount = 11;

struct EditorView {
    model::FunctionGroup Group = model::FunctionGroup::Blank;
    int PressedButton = 1;          // 1..11, the button of the line's group
    std::string Caption = "Blank";  // lblFunction
    std::array<bool, kToolbarButtonCount> ButtonEnabled{true, true, true, true, true, true,
                                                        true, true, true, true, true};
    std::array<FieldState, kFieldCount> Fields;

    FieldState& operator[](FieldId id) { return Fields[static_cast<int>(id)]; }
    const FieldState& operator[](FieldId id) const { return Fields[static_cast<int>(id)]; }
};

}  // namespace editor
