// Line operations over the records of one page.
#include "editor/LineOperations.h"

#include "editor/EndPage.h"
#include "model/Program.h"

namespace editor {

namespace {

bool IsEndPage(const model::PgmRecord& record) {
    return record.F() == kEndPageCode;
}

model::PgmRecord FreshEndPage() {
    model::PgmRecord record;
    record.Code[0] = kEndPageCode;
    return record;
}

// Clears records from `first` up to the page's last record, stopping at the first record that
// is already blank.
void ClearUntilBlank(model::Program& program, int page, int first) {
    const int last = model::PageBase(page) + model::PageLast(page);
    for (int k = first; k <= last && program.PgmData[k].F() != 0; ++k) {
        program.PgmData[k] = model::PgmRecord();
    }
}

void Finish(model::Program& program, int page, int endPage) {
    StoreEndPageIndex(program, page, endPage);
    program.PgmChanged = true;
}

}  // namespace

std::optional<int> FirstSelectedLineRow(const std::vector<model::ListRow>& rows,
                                        const std::vector<bool>& selected) {
    for (std::size_t i = 0; i < rows.size() && i < selected.size(); ++i) {
        if (selected[i] && rows[i].ItemData >= 1)
            return static_cast<int>(i);
    }
    return std::nullopt;
}

std::optional<LineRun> FindSelectionRun(const model::Program& program, int page,
                                        const std::vector<model::ListRow>& rows,
                                        const std::vector<bool>& selected) {
    const std::optional<int> first = FirstSelectedLineRow(rows, selected);
    if (!first)
        return std::nullopt;
    LineRun run{rows[*first].ItemData - 1, 0, 0, false};
    const int base = model::PageBase(page);
    for (std::size_t i = *first; i < rows.size() && i < selected.size() && selected[i]; ++i) {
        ++run.RowCount;
        if (rows[i].ItemData == 0)
            continue;
        ++run.LineCount;
        if (IsEndPage(program.PgmData[base + run.FirstLine + run.LineCount - 1])) {
            run.IncludesEndPage = true;
            break;
        }
        if (run.LineCount == static_cast<int>(LineClipboard::kCapacity))
            break;
    }
    return run;
}

LineOpResult InsertLine(model::Program& program, int page, int line) {
    const int e = FindEndPage(program, page);
    if (e > model::PageLast(page) - 1)
        return LineOpResult::PageFull;
    if (line > e)
        return LineOpResult::NothingSelected;
    const int base = model::PageBase(page);
    for (int k = base + e; k >= base + line; --k)
        program.PgmData[k + 1] = program.PgmData[k];
    program.PgmData[base + line] = model::PgmRecord();
    Finish(program, page, e + 1);
    return LineOpResult::Done;
}

std::string DeleteQuestion(const model::Program& program, int page, int line) {
    const int e = FindEndPage(program, page);
    return "This will remove line " + std::to_string(line + 1) + " and move lines " +
           std::to_string(line + 2) + " thru " + std::to_string(e + 1) + " up.\r\n" +
           "Are you sure you want to continue?";
}

LineOpResult DeleteLine(model::Program& program, int page, int line) {
    const int base = model::PageBase(page);
    const int e = FindEndPage(program, page);
    if (line > e)
        return LineOpResult::NothingSelected;
    if (IsEndPage(program.PgmData[base + line]))
        return LineOpResult::CannotDeleteEndPage;
    for (int k = base + line; k < base + e; ++k)
        program.PgmData[k] = program.PgmData[k + 1];
    program.PgmData[base + e] = model::PgmRecord();
    Finish(program, page, e - 1);
    return LineOpResult::Done;
}

void CopyLines(const model::Program& program, int page, const LineRun& run,
               LineClipboard& clipboard) {
    const int first = model::PageBase(page) + run.FirstLine;
    clipboard.Fill(std::vector<model::PgmRecord>(program.PgmData.begin() + first,
                                                 program.PgmData.begin() + first + run.LineCount));
}

void CutLines(model::Program& program, int page, const LineRun& run, LineClipboard& clipboard) {
    const int base = model::PageBase(page);
    const int e = FindEndPage(program, page);
    const int n = run.LineCount;
    const int s = base + run.FirstLine;
    CopyLines(program, page, run, clipboard);
    for (int k = s; k <= base + e - n; ++k)
        program.PgmData[k] = program.PgmData[k + n];
    // Only the records the block vacated are cleared; what lies past End Page stays.
    for (int k = base + e - n + 1; k <= base + e; ++k)
        program.PgmData[k] = model::PgmRecord();
    if (run.IncludesEndPage) {
        program.PgmData[s] = FreshEndPage();
        Finish(program, page, run.FirstLine);
    } else {
        Finish(program, page, e - n);
    }
}

LineOpResult PasteLines(model::Program& program, int page, int line,
                        const LineClipboard& clipboard) {
    const auto& clip = clipboard.Records();
    const int n = static_cast<int>(clip.size());
    if (n == 0)
        return LineOpResult::NothingSelected;
    const int base = model::PageBase(page);
    const int e = FindEndPage(program, page);
    if (e + n > model::PageLast(page) - 1)
        return LineOpResult::NoRoomToPaste;
    if (line > e)
        return LineOpResult::NothingSelected;
    const int t = base + line;
    for (int k = base + e; k >= t; --k)
        program.PgmData[k + n] = program.PgmData[k];
    std::copy(clip.begin(), clip.end(), program.PgmData.begin() + t);
    if (IsEndPage(clip.back())) {
        ClearUntilBlank(program, page, t + n);
        Finish(program, page, line + n - 1);
    } else {
        Finish(program, page, e + n);
    }
    return LineOpResult::Done;
}

LineOpResult ReplaceLines(model::Program& program, int page, const LineRun& run,
                          const LineClipboard& clipboard) {
    const auto& clip = clipboard.Records();
    const int n = static_cast<int>(clip.size());
    if (n == 0)
        return LineOpResult::NothingSelected;
    const int base = model::PageBase(page);
    const int e = FindEndPage(program, page);
    const int m = run.LineCount;
    const int t = base + run.FirstLine;
    if ((n - m) + e > model::PageLast(page) - 1)
        return LineOpResult::NoRoomToReplace;
    int endPage = e;
    if (m < n) {
        const int d = n - m;
        for (int k = base + e; k >= t; --k)
            program.PgmData[k + d] = program.PgmData[k];
        endPage = e + d;
    } else if (m > n) {
        const int d = m - n;
        for (int k = t; k <= base + e - d; ++k)
            program.PgmData[k] = program.PgmData[k + d];
        ClearUntilBlank(program, page, base + e - d + 1);
        endPage = e - d;
    }
    // An End Page the block overwrites is pushed on ahead of it.
    bool endPageMoved = false;
    for (int j = 0; j < n; ++j) {
        if (IsEndPage(program.PgmData[t + j])) {
            program.PgmData[t + j + 1] = FreshEndPage();
            endPageMoved = true;
        }
        program.PgmData[t + j] = clip[j];
    }
    if (IsEndPage(clip.back())) {
        ClearUntilBlank(program, page, t + n);
        endPage = run.FirstLine + n - 1;
    } else if (endPageMoved) {
        ++endPage;
    }
    Finish(program, page, endPage);
    return LineOpResult::Done;
}

}  // namespace editor
