// What a call of the page session leaves the window to ask or show next.
#pragma once

#include "editor/FieldView.h"
#include "editor/PageNotices.h"

namespace editor {

// The user's answer to the "Save Changes" question about the current line's unsaved edits.
enum class LineAnswer { NotAsked, Yes, No, Cancel };

struct Reply {
    enum class Kind {
        Done,           // nothing (more) to show
        AskAboutLine,   // ask kSaveChanges and make the same call again with the answer; the
                        // call changed nothing
        Warn,           // show Message as a warning with OK; the program did not change
        ConfirmDelete,  // ask Message with Yes and No; on Yes the line goes with ConfirmDelete
        BoxOverLimit,   // Box holds a value over its limit, so the line stays unstored: unless
                        // the box has the focus (its own check has spoken then), show Message
                        // and put the focus back into it
        Redraw,         // the program or the page changed: show the page again (CurPage,
                        // CurLine), which selects row ListRow
        Stored,         // the current line was stored: show its comment and the page again, then
                        // make the call's follow-up
        CommentRow,     // a comment row was clicked: once the list has finished selecting, the
                        // row above Row joins the selection
        LineLoaded,     // the line on Row is the current line and loaded: select Row first when
                        // Reselect, then show the line
    };

    Kind Then = Kind::Done;
    Notice Message;
    int Row = -1;
    int Line = -1;  // Stored by a row click: the line clicked, for ReturnToLine
    bool Reselect = false;
    FieldId Box = FieldId::TimeCount;
};

}  // namespace editor
