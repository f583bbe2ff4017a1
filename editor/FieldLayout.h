// Which button, caption and field order belong to each function group of the editor, and how
// its options treat the bytes of the line they replace.
#pragma once

#include <vector>

#include "editor/FieldView.h"
#include "editor/FunctionOptions.h"

namespace editor {

struct GroupLayout {
    int Button;           // toolbar button 1..11
    const char* Caption;  // lblFunction
    // Every field the group can show, left to right in the order the function uses them.
    std::vector<FieldId> Order;
    NewOption OnNewOption = NewOption::KeepsBytes;
    // cboFnMisc writes its item index into P3 as it is and txtLineMisc shows it, also for a
    // jump line (instead of the line last typed).
    bool MiscWritesIndex = false;
};

// The function the editor edits a line with code f and P2 p2 as: the table's entry, except
// that every code from the timed output's first code up is edited as an Output line (a stray
// code there as a timed output, so that typing a time repairs it) and other unknown codes as
// Blank.
const model::FunctionInfo& EditedFunction(int f, int p2);

const GroupLayout& LayoutOf(model::FunctionGroup group);

// The view's visible fields, left to right.
std::vector<FieldId> VisibleFields(const EditorView& view);

}  // namespace editor
