// Pages of numbered lines for editor tests: line i (1-based) is "Wait i seconds" with the
// comment "Li", so that moved lines are easy to recognise.
#pragma once

#include <string>
#include <vector>

#include "editor/EndPage.h"
#include "model/NewProgram.h"
#include "model/PageListing.h"
#include "model/Program.h"

namespace testpage {

inline model::PgmRecord Numbered(int i) {
    model::PgmRecord record;
    record.Code = {9, 0, static_cast<int16_t>(i), 0};
    record.Comment = "L" + std::to_string(i);
    return record;
}

// A new program whose page holds lines 1..lineCount numbered, then End Page.
inline model::Program ProgramWithLines(int page, int lineCount) {
    model::Program program;
    model::MakeNewProgram(program);
    const int base = model::PageBase(page);
    for (int i = 1; i <= lineCount; ++i)
        program.PgmData[base + i - 1] = Numbered(i);
    program.PgmData[base + lineCount] = model::PgmRecord();
    program.PgmData[base + lineCount].Code[0] = editor::kEndPageCode;
    editor::StoreEndPageIndex(program, page, lineCount);
    return program;
}

// The page's lines up to End Page as "L1 L2 ... END".
inline std::string Lines(const model::Program& program, int page) {
    std::string text;
    const int base = model::PageBase(page);
    for (int k = base; k <= base + model::PageLast(page); ++k) {
        const model::PgmRecord& r = program.PgmData[k];
        if (r.F() == editor::kEndPageCode)
            return text + "END";
        text += (r.IsBlank() ? std::string("_") : r.Comment) + " ";
    }
    return text;
}

// Selection flags for list rows first..last of a listing.
inline std::vector<bool> Selected(std::size_t rowCount, std::size_t first, std::size_t last) {
    std::vector<bool> selected(rowCount, false);
    for (std::size_t i = first; i <= last && i < rowCount; ++i)
        selected[i] = true;
    return selected;
}

}  // namespace testpage
