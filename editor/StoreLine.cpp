// The line store.
#include "editor/StoreLine.h"

#include <algorithm>

#include "editor/EndPage.h"
#include "model/Program.h"

namespace editor {

StoreResult StoreLine(model::Program& program, EditorState& state) {
    const int r = state.CurRecord();
    const bool endPageGivesWay =
        state.Mode == EditMode::Line && program.PgmData[r].F() == kEndPageCode;
    if (endPageGivesWay && state.CurLine >= state.PageLast())
        return StoreResult::PageFull;

    program.PgmChanged = true;
    if (endPageGivesWay) {
        state.Mode = EditMode::End;
        program.PgmData[r + 1].Code[0] = kEndPageCode;
        StoreEndPageIndex(program, state.CurPage, state.CurLine + 1);
    }
    model::PgmRecord& record = program.PgmData[r];
    for (int i = 0; i < 4; ++i) {
        record.Code[i] = static_cast<int16_t>(std::min<int32_t>(state.EditCode[i], 255));
    }
    record.Comment = state.EditComment;
    if (state.EditCode[0] == kEndPageCode) {
        StoreEndPageIndex(program, state.CurPage, state.CurLine);
        for (int k = r + 1; k < state.PageBase() + state.PageLast(); ++k) {
            program.PgmData[k] = model::PgmRecord();
        }
    }
    if (state.LineEdited == LineEdit::Yes)
        state.LineEdited = LineEdit::Saved;
    return StoreResult::Stored;
}

}  // namespace editor
