// The function editor's lists of inputs, outputs, timer and counter numbers and panel messages.
#pragma once

#include "editor/FieldView.h"

namespace model {
class Program;
}

namespace editor {

// Refills the three input lists, the output list, cboTmrCtrNum and cboTmrCtrMsg from the
// configuration registers; the input and output lists lose their selection. Input list 2
// starts with "none".
void FillIOLists(const model::Program& program, EditorView& view);

}  // namespace editor
