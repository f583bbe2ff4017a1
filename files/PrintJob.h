// What the print dialog hands back: the sections, the margins, the lines per sheet and the
// printer.
#pragma once

#include <array>
#include <string>

#include "files/Paginator.h"

namespace files {

// Offered beside the system's printers, so that a machine without one can still print.
constexpr const char* kPdfPrinter = "PDF file";

struct PrintJob {
    std::array<bool, kPrintSectionCount> Sections{};
    double LeftInches = 1;
    double TopInches = 1;
    int LinesPerSheet = 50;
    std::string Printer = kPdfPrinter;
};

}  // namespace files
