// Which button, caption and field order belong to each function group of the editor.
#pragma once

#include <vector>

#include "editor/FieldView.h"

namespace editor {

struct GroupLayout {
    int Button;           // toolbar button 1..11
    const char* Caption;  // lblFunction
    // Every field the group can show, left to right in the order the function uses them.
    std::vector<FieldId> Order;
};

// The editor's group of function code f: the function table's group, except that every code
// from 128 up is edited as an Output line (so a stray code there can be repaired by typing a
// time) and unknown codes edit as Blank.
model::FunctionGroup EditorGroup(int f);

const GroupLayout& LayoutOf(model::FunctionGroup group);

// The view's visible fields, left to right.
std::vector<FieldId> VisibleFields(const EditorView& view);

}  // namespace editor
