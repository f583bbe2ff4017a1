// The text export: the program listing as lines of text.
#include "files/TextExport.h"

#include "files/AtomicFile.h"
#include "files/ProgramListing.h"

namespace files {

std::string ExportText(const model::Program& program) {
    std::string out;
    // A full program exports to about 200 KB; growing by doubling would copy it several times.
    out.reserve(256 * 1024);
    const auto line = [&out](const std::string& text) {
        out += text;
        out += "\r\n";
    };
    for (const ListingPart& part : ProgramListing(program)) {
        for (int i = 0; i < part.EmptyBefore; ++i)
            line("");
        for (const ListingRow& row : part.Heading)
            line(RowText(row));
        for (const ListingItem& item : part.Items) {
            for (const ListingRow& row : item)
                line(RowText(row));
        }
        for (const ListingRow& row : part.Tail)
            line(RowText(row));
        for (int i = 0; i < part.EmptyAfter; ++i)
            line("");
    }
    return out;
}

std::string ExportProgram(const model::Program& program, const std::string& path) {
    return WriteFileAtomically(path, ExportText(program));
}

}  // namespace files
