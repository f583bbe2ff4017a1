// The listing of a whole program as rows of positioned runs, in the parts the printout breaks
// sheets by: the text export writes it as lines of text, the printout lays it out on sheets.
#pragma once

#include <string>
#include <vector>

namespace model {
class Program;
}

namespace files {

enum class RunStyle { Plain, Bold, Italic };

// Text starting at a 1-based column, in character widths; column 0 continues the row right
// after the previous run.
struct ListingRun {
    int Column;
    std::string Text;
    RunStyle Style = RunStyle::Plain;
};

struct ListingRow {
    std::vector<ListingRun> Runs;  // none: an empty line
    bool Counts = true;            // comment rows do not count towards a sheet's lines
};

// A program line with its comment rows, a setup position with its names, a timer, a message.
using ListingItem = std::vector<ListingRow>;

enum class PartKind { Page, Setup, TimerEntries, TimerMessages, CounterEntries, CounterMessages };

struct ListingPart {
    PartKind Kind = PartKind::Page;
    int Page = -1;        // 0..5 for a program page
    int EmptyBefore = 0;  // empty lines the export puts before the part
    std::vector<ListingRow> Heading;
    std::vector<ListingItem> Items;
    std::vector<ListingRow> Tail;  // the setup's module status lines
    int EmptyAfter = 0;            // and after it
};

// Every part, in the export's order: pages A..F (each to its first End Page), the setup data,
// the timer entries and messages, the counter entries and messages.
std::vector<ListingPart> ProgramListing(const model::Program& program);

// A row as a line of text: each run placed at its column with spaces.
std::string RowText(const ListingRow& row);

}  // namespace files
