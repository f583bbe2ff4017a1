// Insert, delete, cut, copy, paste and replace whole lines of a page.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/PageListing.h"
#include "model/PgmRecord.h"

namespace model {
class Program;
}

namespace editor {

// Why an operation changed nothing.
enum class LineOpResult {
    Done,
    PageFull,             // "Sorry, this page is full"
    CannotDeleteEndPage,  // "Cannot delete End Page"
    NoRoomToPaste,        // not enough lines for the insert
    NoRoomToReplace,      // not enough lines for the replace
    NothingSelected,
};

// Lines cut or copied, shared by all pages while the program runs.
class LineClipboard {
  public:
    static constexpr std::size_t kCapacity = 201;

    bool HasContent() const { return filled_; }
    const std::vector<model::PgmRecord>& Records() const { return records_; }
    void Fill(std::vector<model::PgmRecord> records) {
        records_ = std::move(records);
        filled_ = true;
    }

  private:
    std::vector<model::PgmRecord> records_;
    bool filled_ = false;
};

// A block of consecutive selected lines: from the first selected line row down while rows
// stay selected (a comment row that is not selected ends it), at most 201 lines, ending after
// End Page.
struct LineRun {
    int FirstLine;  // line offset
    int LineCount;
    int RowCount;  // list rows covered, comment rows included
    bool IncludesEndPage;
};

// The run in rows (a page listing) given which rows are selected; none when no line row is.
std::optional<LineRun> FindSelectionRun(const model::Program& program, int page,
                                        const std::vector<model::ListRow>& rows,
                                        const std::vector<bool>& selected);

// The list row of the first selected line row, if any.
std::optional<int> FirstSelectedLineRow(const std::vector<model::ListRow>& rows,
                                        const std::vector<bool>& selected);

// Every operation below keeps the page's End Page index register in step and sets PgmChanged
// when it changes the program. Lines that name another line keep the number they hold.

// A blank line at `line`, the lines from it through End Page moved down one.
LineOpResult InsertLine(model::Program& program, int page, int line);

// Removes `line`, moving the lines below it through End Page up one.
LineOpResult DeleteLine(model::Program& program, int page, int line);

// The question Delete asks before it removes `line`.
std::string DeleteQuestion(const model::Program& program, int page, int line);

void CopyLines(const model::Program& program, int page, const LineRun& run,
               LineClipboard& clipboard);

// Copies the run and closes the gap; a run that took End Page leaves a fresh End Page.
void CutLines(model::Program& program, int page, const LineRun& run, LineClipboard& clipboard);

// The clipboard inserted before `line`; a clipboard ending with End Page ends the page there.
LineOpResult PasteLines(model::Program& program, int page, int line,
                        const LineClipboard& clipboard);

// The run's lines replaced by the clipboard; the page keeps an End Page after them.
LineOpResult ReplaceLines(model::Program& program, int page, const LineRun& run,
                          const LineClipboard& clipboard);

}  // namespace editor
