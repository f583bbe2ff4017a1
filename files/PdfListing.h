// The printed listing as a PDF document, without a printer or a window system: each sheet a page
// in Courier (bold and oblique for the headings and comments), the program's Windows-1252 text
// as it stands (the PDF's WinAnsi encoding is that code page).
#pragma once

#include <string>
#include <vector>

#include "files/Paginator.h"

namespace files {

struct PdfSheetSetup {
    double WidthPoints = 612;  // US Letter
    double HeightPoints = 792;
    double LeftInches = 1;
    double TopInches = 1;
    double FontPoints = 10;
};

constexpr double kPointsPerInch = 72;

// Rows of the font that fit between the top margin and a bottom margin of half an inch; at
// least one.
int PdfRowsThatFit(const PdfSheetSetup& setup);

// The whole document; a listing without sheets gives a document without pages.
std::string PdfDocument(const std::vector<Sheet>& sheets, const PdfSheetSetup& setup);

}  // namespace files
