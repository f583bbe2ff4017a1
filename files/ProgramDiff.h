// The differences between two programs in the listing's own words: page by page and line by
// line, the setup and names, the panels, and the BIOS registers by number and meaning.
#pragma once

#include <string>
#include <vector>

namespace model {
class Program;
}

namespace files {

enum class DiffScope {
    Everything,
    // What a unit holds: the lines and registers. Compare the PC's program with a copy of it
    // whose codes a read replaced, so that both sides carry the PC's comments and names.
    PagesAndRegisters,
};

// Lines of text (Windows-1252): for each difference a heading ("Page A, line 5"), the old rows
// after "- " and the new after "+ ". Empty when the programs agree. Lines past a page's End
// Page are not part of the program and are not compared.
std::vector<std::string> ProgramDifferences(const model::Program& before,
                                            const model::Program& after,
                                            DiffScope scope = DiffScope::Everything);

// What this system reads in a BIOS register, or "MCU setting" for the opaque ones.
std::string RegisterMeaning(int reg);

}  // namespace files
