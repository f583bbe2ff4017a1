// Feeds arbitrary bytes to the program file reader. A file read to its end must write back,
// read back to the same program and write the same bytes again; every page must list and the
// program must export whatever the bytes were.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/ProgramFile.h"
#include "files/TextExport.h"
#include "model/PageListing.h"
#include "model/Program.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    model::Program program;
    const files::LoadReport report = files::ReadProgramText(program, bytes);
    for (int page = 0; page < model::kPageCount; ++page)
        model::ListPage(program, page);
    files::ExportText(program);
    if (!report.Complete)
        return 0;

    const std::string written = files::ProgramFileText(program);
    model::Program reread;
    if (!files::ReadProgramText(reread, written).Complete)
        std::abort();
    if (!reread.SameContent(program))
        std::abort();
    if (files::ProgramFileText(reread) != written)
        std::abort();
    return 0;
}
