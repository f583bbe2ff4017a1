// Which page and line the user is working on, the unsaved edit of that line, and whether the
// next page with problems asks before it opens the error log.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/PageGeometry.h"

namespace editor {

// LineEdited: "no" the fields equal the stored line, "yes" the user changed it, "saved" it was
// just stored and the row click the redrawing causes must not reload it.
enum class LineEdit { No, Yes, Saved };

// EditMode of the function editor.
enum class EditMode {
    No,      // the fields are being filled; handlers write nothing
    Line,    // the user chose a function for this line
    NewEnd,  // the user chose End Page
    End,     // the End Page line was given another function and End Page moved down
};

// ErrLogState: whether the next page with problems asks before it opens the error log.
enum class ErrLogState {
    No,      // no pending log, or the user declined it
    Yes,     // the user last left the log by picking an entry: open it without asking
    Cancel,  // the log was closed without picking
    View,    // set by the I/O setup dialog
};

struct EditorState {
    int CurPage = 0;
    int CurLine = 0;  // line offset of the current line
    int ListRow = 0;  // list row to select after the next drawing
    LineEdit LineEdited = LineEdit::No;
    EditMode Mode = EditMode::No;
    std::array<int32_t, 4> EditCode{};  // working copy of F, P1, P2, P3
    std::string EditComment;            // Windows-1252, at most 240 characters

    int PageBase() const { return model::PageBase(CurPage); }
    int PageLast() const { return model::PageLast(CurPage); }
    int CurRecord() const { return PageBase() + CurLine; }
};

}  // namespace editor
