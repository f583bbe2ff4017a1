// The printed listing laid out on sheets: the parts of the listing the user ticked, with the
// printout's sheet breaks and repeated headings. No sheet comes out without text on it.
#pragma once

#include <array>
#include <vector>

#include "files/ProgramListing.h"

namespace files {

// Sections by the print dialog's boxes: 0..5 pages A..F, 6 the setup data, 7 the timer panel,
// 8 the counter panel.
constexpr int kPrintSectionCount = 9;
constexpr int kSetupSection = 6;
constexpr int kTimerSection = 7;
constexpr int kCounterSection = 8;

struct PrintChoice {
    std::array<bool, kPrintSectionCount> Sections{};
    int LinesPerSheet = 50;  // the lines that count, as the user limits them
    // The rows the paper holds below the top margin in the printer's font: a part that would run
    // past them goes on to a new sheet, whatever the count says.
    int RowsThatFit = 1 << 20;
};

struct Sheet {
    std::vector<ListingRow> Rows;  // one per line of the printer's font, from the top margin
};

// Rows of `rowHeight` that fit on a sheet `height` high between the top margin and half an inch
// above its bottom; at least one. Heights in any one unit, `unitsPerInch` of them to the inch.
int RowsThatFit(double height, double topInches, double rowHeight, double unitsPerInch);

// The pages, the setup data and the panels whose module is fitted: what a printout holds when
// the user does not choose.
std::array<bool, kPrintSectionCount> DefaultSections(const model::Program& program);

std::vector<Sheet> Paginate(const model::Program& program, const PrintChoice& choice);

}  // namespace files
