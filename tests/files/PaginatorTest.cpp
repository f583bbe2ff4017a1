// Sheet breaks of the printed listing.
#include <gtest/gtest.h>

#include "files/Paginator.h"
#include "model/NewProgram.h"
#include "model/Program.h"
#include "tests/support/ProgramFactory.h"

namespace {

using files::PrintChoice;
using files::Sheet;

// Page A with `lines` Wait lines before its End Page, each with `comment`.
model::Program PageA(int lines, const std::string& comment = "") {
    model::Program program;
    model::MakeNewProgram(program);
    for (int r = 0; r < lines; ++r)
        program.PgmData[r] = {{9, 0, 1, 0}, comment};
    program.PgmData[lines].Code = {12, 0, 0, 0};
    return program;
}

PrintChoice Choosing(std::initializer_list<int> sections, int lines, int fit = 1 << 20) {
    PrintChoice choice;
    for (int s : sections)
        choice.Sections[s] = true;
    choice.LinesPerSheet = lines;
    choice.RowsThatFit = fit;
    return choice;
}

std::string FirstText(const Sheet& sheet) {
    return sheet.Rows.front().Runs.front().Text;
}

// The heading counts 3, and a line goes on a new sheet when the count + 5 passes 20: 13 lines
// a sheet, so 30 lines take three sheets, each starting with the heading.
TEST(Paginator, PageBreaksLeaveRoomForALineAndItsComment) {
    const std::vector<Sheet> sheets = files::Paginate(PageA(29), Choosing({0}, 20));
    ASSERT_EQ(sheets.size(), 3u);
    for (size_t s = 0; s < 3; ++s) {
        EXPECT_EQ(sheets[s].Rows.size(), 3 + (s < 2 ? 13u : 4u)) << s;
        EXPECT_EQ(FirstText(sheets[s]), "Page A     ");
        EXPECT_EQ(sheets[s].Rows.front().Runs.front().Style, files::RunStyle::Bold);
    }
}

// A 240-character comment prints four italic rows that do not count; a sheet that would run
// off the paper breaks all the same.
TEST(Paginator, CommentRowsDoNotCountButStayOnThePaper) {
    const std::vector<Sheet> counted =
        files::Paginate(PageA(10, std::string(240, 'c')), Choosing({0}, 20));
    ASSERT_EQ(counted.size(), 1u);
    ASSERT_EQ(counted[0].Rows.size(), 3u + 10 * 5 + 1);
    EXPECT_FALSE(counted[0].Rows[4].Counts);
    EXPECT_EQ(counted[0].Rows[4].Runs[0].Style, files::RunStyle::Italic);

    const std::vector<Sheet> fitted =
        files::Paginate(PageA(10, std::string(240, 'c')), Choosing({0}, 20, 30));
    ASSERT_EQ(fitted.size(), 2u);
    EXPECT_EQ(fitted[0].Rows.size(), 3u + 5 * 5);
}

// A position goes on a new sheet when the count + 11 passes the lines per sheet: with 30, the
// heading (2) and nine positions of two rows each, then the tenth and the module status.
TEST(Paginator, SetupBreaksBeforeAPositionWithElevenLinesToSpare) {
    model::Program program;
    model::MakeNewProgram(program);
    const std::vector<Sheet> sheets = files::Paginate(program, Choosing({6}, 30));
    ASSERT_EQ(sheets.size(), 2u);
    EXPECT_EQ(sheets[0].Rows.size(), 2u + 9 * 2);
    EXPECT_EQ(FirstText(sheets[1]), "Setup Data");
    EXPECT_EQ(files::RowText(sheets[1].Rows[2]), "Block 90 ..... Not Installed");
}

// Each section starts a fresh sheet, the panel messages too; nothing ticked prints nothing;
// whatever the limits, no sheet is without text and none holds more rows than fit.
TEST(Paginator, SectionsStartFreshSheetsAndNoSheetIsEmpty) {
    const model::Program full = testsupport::FullProgram();
    const std::vector<Sheet> sheets = files::Paginate(full, Choosing({1, 6, 7}, 100));
    std::vector<std::string> starts;
    for (const Sheet& sheet : sheets)
        starts.push_back(FirstText(sheet));
    EXPECT_EQ(starts, (std::vector<std::string>{"Page B     " + full.PageName[1], "Setup Data",
                                                "Timer Panel Setup Data", "Timer Panel Messages"}));
    EXPECT_TRUE(files::Paginate(full, Choosing({}, 50)).empty());

    for (int lines : {1, 7, 20, 50}) {
        for (int fit : {3, 12, 60}) {
            PrintChoice choice = Choosing({}, lines, fit);
            choice.Sections.fill(true);
            for (const Sheet& sheet : files::Paginate(full, choice)) {
                ASSERT_FALSE(sheet.Rows.empty() || sheet.Rows.front().Runs.empty());
                // Past the heading, at least one row goes on each sheet.
                EXPECT_LE(sheet.Rows.size(), std::max<size_t>(fit, 3 + 1)) << lines << "/" << fit;
            }
        }
    }
}

}  // namespace
