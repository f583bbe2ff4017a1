// make-demo OUT.zlp: writes the sample program that the tour opens, a bottle filling and
// capping line that uses every function of the controller on all six pages.
#include <cstdio>
#include <string>

#include "editor/EndPage.h"
#include "files/ProgramFile.h"
#include "model/NewProgram.h"
#include "model/Program.h"
#include "model/ProgramChecksum.h"
#include "tools/demo/Hardware.h"
#include "tools/demo/Pages.h"
#include "tools/demo/PanelSettings.h"

namespace {

constexpr int kUsageError = 64;

// Writes each page's name and lines from line 1 and keeps its End Page register as the editor
// does. Returns an error for a page that does not fit or whose lines are not numbered in order,
// since the jump lines name those numbers.
std::string WritePages(model::Program& program) {
    for (int p = 0; p < model::kPageCount; ++p) {
        const demo::Page& page = demo::Pages()[p];
        const std::string pageText = std::string("page ") + model::PageLetter(p);
        if (static_cast<int>(page.Lines.size()) > model::PageCapacity(p))
            return pageText + " has too many lines";
        program.PageName[p] = page.Name;
        for (std::size_t i = 0; i < page.Lines.size(); ++i) {
            if (page.Lines[i].Number != static_cast<int>(i) + 1) {
                return pageText + " line " + std::to_string(i + 1) + " is numbered " +
                       std::to_string(page.Lines[i].Number);
            }
            model::PgmRecord& record = program.PgmData[model::PageBase(p) + i];
            for (int b = 0; b < 4; ++b)
                record.Code[b] = static_cast<int16_t>(page.Lines[i].Code[b]);
            record.Comment = page.Lines[i].Comment;
        }
        editor::StoreEndPageIndex(program, p, editor::FindEndPage(program, p));
    }
    return std::string();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-demo OUT.zlp\n");
        return kUsageError;
    }
    model::Program program;
    model::MakeNewProgram(program);
    std::string error = demo::SetUpHardware(program);
    if (error.empty())
        error = demo::SetUpPanels(program);
    if (error.empty())
        error = WritePages(program);
    if (error.empty()) {
        model::StoreProgramChecksum(program);
        error = files::SaveProgram(program, argv[1]);
    }
    if (!error.empty()) {
        std::fprintf(stderr, "make-demo: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
