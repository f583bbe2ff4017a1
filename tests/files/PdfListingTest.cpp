// The listing's PDF: a document other readers take, each run where its column says.
#include <gtest/gtest.h>

#include <regex>

#include "files/PdfListing.h"

namespace {

using files::ListingRow;
using files::RunStyle;

// Every cross-reference entry points at its object, and the trailer at the table.
void ExpectValidCrossReferences(const std::string& pdf) {
    const size_t xref = std::stoul(pdf.substr(pdf.rfind("startxref\n") + 10));
    ASSERT_EQ(pdf.compare(xref, 5, "xref\n"), 0);
    const std::string table = pdf.substr(xref);
    const std::regex entry("(\\d{10}) 00000 n \n");
    int number = 0;
    for (auto it = std::sregex_iterator(table.begin(), table.end(), entry);
         it != std::sregex_iterator(); ++it) {
        const std::string object = std::to_string(++number) + " 0 obj";
        EXPECT_EQ(pdf.compare(std::stoul((*it)[1]), object.size(), object), 0) << number;
    }
    EXPECT_GT(number, 0);
}

TEST(PdfListing, SheetsBecomePagesWithRunsAtTheirColumns) {
    files::Sheet sheet;
    sheet.Rows = {ListingRow{{{1, "Page A", RunStyle::Bold}}}, ListingRow{},
                  ListingRow{{{1, "Line #"}, {0, "Comment", RunStyle::Italic}}},
                  ListingRow{{{16, "Caf\xE9 (a\\b)"}}}};
    const files::PdfSheetSetup setup;
    const std::string pdf = files::PdfDocument({sheet, sheet}, setup);
    ExpectValidCrossReferences(pdf);
    EXPECT_NE(pdf.find("/Count 2 >>"), std::string::npos);
    EXPECT_NE(pdf.find("/F2 10.00 Tf 72.00 "), std::string::npos) << "bold at the margin";
    // Column 16 is 15 character widths of 6 points right of the margin; the continuing run
    // follows "Line #" at 6 widths.
    EXPECT_NE(pdf.find("/F1 10.00 Tf 162.00 "), std::string::npos);
    EXPECT_NE(pdf.find("/F3 10.00 Tf 108.00 "), std::string::npos);
    EXPECT_NE(pdf.find("(Caf\xE9 \\(a\\\\b\\)) Tj"), std::string::npos);
    // 792 points less an inch at the top and half an inch at the bottom, 12 points a row.
    EXPECT_EQ(files::PdfRowsThatFit(setup), 57);
}

}  // namespace
