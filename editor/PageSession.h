// The page on display and its current line, without a window: the listing and the error log
// state, row clicks, page changes, the unsaved-line question, the line operations with their
// clipboard, accepting and cancelling a line. Every call says what the window shows or asks next.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "editor/EditorState.h"
#include "editor/FunctionEditorCore.h"
#include "editor/LineOperations.h"
#include "editor/PageReply.h"
#include "model/PageListing.h"

namespace model {
class Program;
struct PgmRecord;
}  // namespace model

namespace editor {

// Whether the page just listed offers its error log.
enum class ErrorLogOffer {
    None,  // the page has no problems
    Ask,   // ask kViewErrorLog; on Yes open the log
    Open,  // open the log without asking
};

class PageSession {
  public:
    explicit PageSession(model::Program& program);

    const EditorState& State() const { return state_; }
    ErrLogState ErrorLog() const { return errLog_; }
    const model::PageListing& Listing() const { return listing_; }
    FunctionEditorCore& Core() { return core_; }
    // The stored record of the current line.
    const model::PgmRecord& CurrentRecord() const;
    // Whether Paste and Replace have lines to work with: after the first Cut or Copy.
    bool CanPaste() const { return clipboard_.HasContent(); }

    // A whole program arrived: edits of a line of the previous one have no place in it, and
    // the first row is selected when page A is shown.
    void NewProgram();

    // The fitted hardware changed (the I/O setup was confirmed): lines copied under the old
    // hardware are not pasted under the new, and an error log the user was reading is offered
    // again by the next listing.
    void HardwareChanged();

    // ----- drawing a page: ListPage, the error log, then RowAfterListing

    // Lists page `page` (0..5) with line `line` current, checking every line; stamps the
    // firmware version into register 100.
    ErrorLogOffer ListPage(int page, int line);
    // The error log was shown and closed with an entry picked or not. Returns the row the
    // picked entry leads to, to be selected as the program selects a row.
    std::optional<int> ErrorLogClosed(std::optional<int> picked);
    // The row to select after a listing (ListRow, kept within the rows); none when the line was
    // just stored, so that the redrawing does not load it again.
    std::optional<int> RowAfterListing();

    // ----- the current line

    // The row click on `row`. userClick: the user clicked, rather than the program selecting
    // the row. Follow-up of Stored: ReturnToLine(reply.Line) once the page is shown again.
    Reply ClickRow(int row, bool userClick, LineAnswer answer);
    // After a row click stored the old line: the clicked line, found again in the new listing
    // (its comment may have gained or lost rows, or End Page cut the page short), is loaded.
    Reply ReturnToLine(int line);

    // The Page menu. Follow-up of Stored: OpenPage(page) once the old page is shown again.
    Reply ChangePage(int page, LineAnswer answer);
    Reply OpenPage(int page);

    // The comment box: its comment as re-laid, and an edit by the user.
    void SetEditComment(const std::string& comment);
    void MarkLineEdited();

    // The page name box: the name as typed; whether a key typed into a box holding nameLength
    // characters goes in. A page name is not part of a line, but a new one marks the program
    // changed.
    void RenamePage(const std::string& name);
    static bool PageNameKeyAccepted(std::size_t nameLength, char typed);

    // ----- line operations; `selected` holds the selection of every row of the list

    Reply InsertLine(LineAnswer answer);
    Reply DeleteLine(LineAnswer answer);
    Reply ConfirmDelete();
    void CopyLines(const std::vector<bool>& selected);
    Reply CutLines(const std::vector<bool>& selected, LineAnswer answer);
    Reply PasteLines(const std::vector<bool>& selected, LineAnswer answer);
    Reply ReplaceLines(const std::vector<bool>& selected, LineAnswer answer);

    // ----- accept and cancel

    // The OK button or Enter in a box. Follow-up of Stored: select row RowAfterAccept() once
    // the page is shown again.
    Reply AcceptChange();
    // The stored line's row, or in "end" mode the End Page that gave way below it, so that
    // lines can be added one after another; comment rows are passed over.
    int RowAfterAccept();
    // The stored line loaded again over its edits.
    void CancelChange();

  private:
    // What became of the current line's unsaved edits when the user is about to leave it.
    enum class Leave { Free, Ask, Cancelled, Refused, Stored, Dropped };

    Leave LeaveLine(LineAnswer answer);
    // Before a line operation: the edits stored where the line stands, or dropped. Returns the
    // reply that ends the operation instead, if any.
    std::optional<Reply> SettleLine(LineAnswer answer);
    static Reply Stopped(Leave leave);
    Reply LoadLineOn(int row, int line);
    void LoadStoredLine();
    int RowCount() const { return static_cast<int>(listing_.Rows.size()); }

    model::Program& program_;
    EditorState state_;
    FunctionEditorCore core_;
    LineClipboard clipboard_;
    model::PageListing listing_;
    ErrLogState errLog_ = ErrLogState::No;
};

}  // namespace editor
