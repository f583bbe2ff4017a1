// The page session's rules: which line is current, what becomes of its unsaved edits, and
// where each operation leaves the page.
#include "editor/PageSession.h"

#include <algorithm>

#include "editor/EndPage.h"
#include "editor/StoreLine.h"
#include "model/Cp1252.h"
#include "model/HardwareConfig.h"
#include "model/Program.h"

namespace editor {

namespace {

constexpr std::size_t kMaxPageNameLength = 64;

Reply Of(Reply::Kind kind) {
    Reply reply;
    reply.Then = kind;
    return reply;
}

Reply Warning(const Notice& notice) {
    Reply reply = Of(Reply::Kind::Warn);
    reply.Message = notice;
    return reply;
}

}  // namespace

PageSession::PageSession(model::Program& program) : program_(program), core_(program, state_) {}

const model::PgmRecord& PageSession::CurrentRecord() const {
    return program_.PgmData[state_.CurRecord()];
}

void PageSession::NewProgram() {
    state_.LineEdited = LineEdit::No;
    state_.ListRow = 0;
}

void PageSession::HardwareChanged() {
    clipboard_ = LineClipboard();
    if (errLog_ == ErrLogState::Yes)
        errLog_ = ErrLogState::View;
}

// ----- drawing a page

ErrorLogOffer PageSession::ListPage(int page, int line) {
    state_.CurPage = page;
    state_.CurLine = line;
    model::StampFirmwareVersion(program_);
    listing_ = model::ListPage(program_, page);
    if (listing_.Errors.empty()) {
        errLog_ = ErrLogState::No;
        return ErrorLogOffer::None;
    }
    return errLog_ == ErrLogState::Yes ? ErrorLogOffer::Open : ErrorLogOffer::Ask;
}

std::optional<int> PageSession::ErrorLogClosed(std::optional<int> picked) {
    errLog_ = picked ? ErrLogState::Yes : ErrLogState::Cancel;
    return picked;
}

std::optional<int> PageSession::RowAfterListing() {
    if (state_.LineEdited == LineEdit::Saved)
        return std::nullopt;
    state_.ListRow = std::clamp(state_.ListRow, 0, RowCount() - 1);
    return state_.ListRow;
}

// ----- the unsaved-line question

// The one place that decides the question: asked only while the line has unsaved edits; Yes
// stores them (refused when End Page cannot give way), No drops them, Cancel keeps them.
PageSession::Leave PageSession::LeaveLine(LineAnswer answer) {
    if (state_.LineEdited != LineEdit::Yes)
        return Leave::Free;
    switch (answer) {
        case LineAnswer::NotAsked:
            return Leave::Ask;
        case LineAnswer::Cancel:
            return Leave::Cancelled;
        case LineAnswer::No:
            state_.LineEdited = LineEdit::No;
            return Leave::Dropped;
        case LineAnswer::Yes:
            break;
    }
    return StoreLine(program_, state_) == StoreResult::PageFull ? Leave::Refused : Leave::Stored;
}

Reply PageSession::Stopped(Leave leave) {
    switch (leave) {
        case Leave::Ask:
            return Of(Reply::Kind::AskAboutLine);
        case Leave::Refused:
            return Warning(kPageFull);
        case Leave::Free:
        case Leave::Cancelled:
        case Leave::Stored:
        case Leave::Dropped:
            break;
    }
    return {};
}

std::optional<Reply> PageSession::SettleLine(LineAnswer answer) {
    const Leave leave = LeaveLine(answer);
    switch (leave) {
        case Leave::Stored:
            // The operation redraws the page itself: no redrawing waits for the stored line.
            state_.LineEdited = LineEdit::No;
            return std::nullopt;
        case Leave::Free:
        case Leave::Dropped:
            return std::nullopt;
        case Leave::Ask:
        case Leave::Cancelled:
        case Leave::Refused:
            break;
    }
    return Stopped(leave);
}

// ----- the current line

Reply PageSession::ClickRow(int row, bool userClick, LineAnswer answer) {
    if (errLog_ != ErrLogState::Yes && state_.LineEdited == LineEdit::Saved)
        return {};
    // The user's own click ends the log's "yes"; the program's re-selection of the row an
    // entry led to does not, so the next page with problems opens the log at once.
    if (userClick)
        errLog_ = ErrLogState::No;
    if (row < 0 || row >= RowCount())
        return {};
    if (listing_.Rows[row].ItemData == 0) {
        // A comment row belongs to the line above it; the current line stays.
        Reply reply = Of(Reply::Kind::CommentRow);
        reply.Row = row;
        return reply;
    }
    const int line = listing_.Rows[row].ItemData - 1;
    const Leave leave = LeaveLine(answer);
    switch (leave) {
        case Leave::Stored: {
            Reply reply = Of(Reply::Kind::Stored);
            reply.Line = line;
            return reply;
        }
        case Leave::Free:
        case Leave::Dropped:
            return LoadLineOn(row, line);
        case Leave::Ask:
        case Leave::Cancelled:
        case Leave::Refused:
            break;
    }
    return Stopped(leave);
}

Reply PageSession::ReturnToLine(int line) {
    const auto& rows = listing_.Rows;
    const auto found = std::find_if(rows.begin(), rows.end(), [line](const model::ListRow& row) {
        return row.ItemData == line + 1;
    });
    if (found != rows.end())
        return LoadLineOn(static_cast<int>(found - rows.begin()), line);
    // The line is gone: End Page, the last line row, stands nearest to it.
    const auto last = std::find_if(rows.rbegin(), rows.rend(),
                                   [](const model::ListRow& row) { return row.ItemData > 0; });
    return LoadLineOn(static_cast<int>(rows.rend() - last) - 1, last->ItemData - 1);
}

Reply PageSession::LoadLineOn(int row, int line) {
    Reply reply = Of(Reply::Kind::LineLoaded);
    reply.Row = row;
    reply.Reselect = state_.LineEdited == LineEdit::Saved;
    state_.CurLine = line;
    state_.ListRow = row;
    LoadStoredLine();
    return reply;
}

void PageSession::LoadStoredLine() {
    const model::PgmRecord& record = CurrentRecord();
    for (int i = 0; i < 4; ++i)
        state_.EditCode[i] = record.Code[i];
    state_.EditComment = record.Comment;
    core_.LoadLine();
    state_.LineEdited = LineEdit::No;
}

Reply PageSession::ChangePage(int page, LineAnswer answer) {
    const Leave leave = LeaveLine(answer);
    switch (leave) {
        case Leave::Stored:
            return Of(Reply::Kind::Stored);
        case Leave::Free:
        case Leave::Dropped:
            return OpenPage(page);
        case Leave::Ask:
        case Leave::Cancelled:
        case Leave::Refused:
            break;
    }
    return Stopped(leave);
}

Reply PageSession::OpenPage(int page) {
    state_.LineEdited = LineEdit::No;
    state_.ListRow = 0;
    state_.CurPage = page;
    state_.CurLine = 0;
    return Of(Reply::Kind::Redraw);
}

void PageSession::SetEditComment(const std::string& comment) {
    state_.EditComment = comment;
}

void PageSession::MarkLineEdited() {
    state_.LineEdited = LineEdit::Yes;
}

// A new name is a change like any other: leaving without saving must offer to save it.
void PageSession::RenamePage(const std::string& name) {
    std::string& stored = program_.PageName[state_.CurPage];
    const std::string renamed = model::StorableText(name);
    program_.PgmChanged = program_.PgmChanged || renamed != stored;
    stored = renamed;
}

// A double quote cannot be kept in a program file; a name is at most 65 characters typed.
bool PageSession::PageNameKeyAccepted(std::size_t nameLength, char typed) {
    const bool printable = typed != '\b' && static_cast<unsigned char>(typed) >= 0x20;
    return typed != '"' && !(printable && nameLength > kMaxPageNameLength);
}

// ----- line operations

Reply PageSession::InsertLine(LineAnswer answer) {
    if (const auto stop = SettleLine(answer))
        return *stop;
    switch (editor::InsertLine(program_, state_.CurPage, state_.CurLine)) {
        case LineOpResult::PageFull:
            return Warning(kPageFull);
        case LineOpResult::Done:
            return Of(Reply::Kind::Redraw);
        default:
            return {};
    }
}

Reply PageSession::DeleteLine(LineAnswer answer) {
    if (const auto stop = SettleLine(answer))
        return *stop;
    if (CurrentRecord().F() == kEndPageCode)
        return Warning(kCannotDeleteEndPage);
    Reply reply = Of(Reply::Kind::ConfirmDelete);
    reply.Message = {"Delete Line", DeleteQuestion(program_, state_.CurPage, state_.CurLine)};
    return reply;
}

Reply PageSession::ConfirmDelete() {
    if (editor::DeleteLine(program_, state_.CurPage, state_.CurLine) != LineOpResult::Done)
        return {};
    return Of(Reply::Kind::Redraw);
}

void PageSession::CopyLines(const std::vector<bool>& selected) {
    const auto run = FindSelectionRun(program_, state_.CurPage, listing_.Rows, selected);
    if (run)
        editor::CopyLines(program_, state_.CurPage, *run, clipboard_);
}

Reply PageSession::CutLines(const std::vector<bool>& selected, LineAnswer answer) {
    const std::optional<int> firstRow = FirstSelectedLineRow(listing_.Rows, selected);
    if (!firstRow)
        return {};
    if (const auto stop = SettleLine(answer))
        return *stop;
    const auto run = FindSelectionRun(program_, state_.CurPage, listing_.Rows, selected);
    state_.CurLine = run->FirstLine;
    editor::CutLines(program_, state_.CurPage, *run, clipboard_);
    // The line after the cut block now stands where the block began.
    state_.ListRow = *firstRow;
    return Of(Reply::Kind::Redraw);
}

Reply PageSession::PasteLines(const std::vector<bool>& selected, LineAnswer answer) {
    const std::optional<int> firstRow = FirstSelectedLineRow(listing_.Rows, selected);
    if (!firstRow || !clipboard_.HasContent())
        return {};
    if (const auto stop = SettleLine(answer))
        return *stop;
    const int line = listing_.Rows[*firstRow].ItemData - 1;
    if (editor::PasteLines(program_, state_.CurPage, line, clipboard_) ==
        LineOpResult::NoRoomToPaste) {
        return Warning(kNoRoomToPaste);
    }
    state_.CurLine = line;
    state_.ListRow = *firstRow;
    return Of(Reply::Kind::Redraw);
}

Reply PageSession::ReplaceLines(const std::vector<bool>& selected, LineAnswer answer) {
    if (!clipboard_.HasContent() || !FirstSelectedLineRow(listing_.Rows, selected))
        return {};
    if (const auto stop = SettleLine(answer))
        return *stop;
    const auto run = FindSelectionRun(program_, state_.CurPage, listing_.Rows, selected);
    if (editor::ReplaceLines(program_, state_.CurPage, *run, clipboard_) ==
        LineOpResult::NoRoomToReplace) {
        return Warning(kNoRoomToReplace);
    }
    state_.CurLine = run->FirstLine;
    return Of(Reply::Kind::Redraw);
}

// ----- accept and cancel

Reply PageSession::AcceptChange() {
    if (state_.LineEdited == LineEdit::No)
        return {};
    // A time, count or line box over its limit keeps the line from being stored, whichever
    // way the user accepts it.
    for (FieldId id : {FieldId::TimeCount, FieldId::LineMisc}) {
        if (!core_.View()[id].Visible)
            continue;
        if (const std::optional<std::string> message = core_.CheckBeforeAccept(id)) {
            Reply reply = Of(Reply::Kind::BoxOverLimit);
            reply.Message = {"Error", *message};
            reply.Box = id;
            return reply;
        }
    }
    if (StoreLine(program_, state_) == StoreResult::PageFull)
        return Warning(kPageFull);
    return Of(Reply::Kind::Stored);
}

int PageSession::RowAfterAccept() {
    const int rows = RowCount();
    int row = state_.ListRow;
    if (state_.Mode == EditMode::End && state_.CurLine < state_.PageLast())
        ++row;
    while (row < rows - 1 && listing_.Rows[row].ItemData == 0)
        ++row;
    state_.LineEdited = LineEdit::No;
    return std::clamp(row, 0, rows - 1);
}

void PageSession::CancelChange() {
    LoadStoredLine();
}

}  // namespace editor
