// The rows a page lists and the rows its error log holds.
#include <gtest/gtest.h>

#include "model/NewProgram.h"
#include "model/PageListing.h"
#include "model/Program.h"

namespace {

model::Program NewProgram() {
    model::Program program;
    model::MakeNewProgram(program);
    return program;
}

TEST(PageListing, NewProgramListsOneEndPageRowAndNoProblems) {
    const model::Program program = NewProgram();
    for (int page = 0; page < model::kPageCount; ++page) {
        const model::PageListing listing = model::ListPage(program, page);
        EXPECT_EQ(listing.Rows, (std::vector<model::ListRow>{{"     1          End Page", 1}}));
        EXPECT_TRUE(listing.Errors.empty());
    }
}

TEST(PageListing, LineNumbersAreLaidOutByTheirLength) {
    EXPECT_EQ(model::LineRowText(7, "Blank"), "    " + std::string(" 7") + "          Blank");
    EXPECT_EQ(model::LineRowText(42, "Blank"), "  " + std::string(" 42") + "          Blank");
    EXPECT_EQ(model::LineRowText(200, "Blank"), std::string(" 200") + "          Blank");
}

TEST(PageListing, StopsAfterTheFirstEndPageAndListsUpToThePageLimitWithoutOne) {
    model::Program program = NewProgram();
    program.PgmData[0].Code = {9, 0, 1, 0};
    program.PgmData[1].Code = {12, 0, 0, 0};
    program.PgmData[2].Code = {255, 0x01, 0, 0};
    EXPECT_EQ(model::ListPage(program, 0).Rows.size(), 2u);

    // Page B without an End Page in its first 75 lines: all 75 are listed, no more.
    for (int r = 300; r < 400; ++r)
        program.PgmData[r].Code = {0, 0, 0, 0};
    const model::PageListing listing = model::ListPage(program, 1);
    ASSERT_EQ(listing.Rows.size(), 75u);
    EXPECT_EQ(listing.Rows.back().ItemData, 75);
}

// Line 1 of page B has a comment of two rows, so that line 2's row is row 3.
TEST(PageListing, CommentsBecomeRowsOfSixtyAndLogRowsPointAtTheirLinesRow) {
    model::Program program = NewProgram();
    program.PgmData[300].Code = {10, 0, 0, 2};  // Repeat on line 1
    program.PgmData[300].Comment = std::string(60, 'a') + std::string(10, 'c');
    program.PgmData[301].Code = {2, 0x01, 0x02, 0x07};
    program.PgmData[302].Code = {12, 0, 0, 0};
    const model::PageListing listing = model::ListPage(program, 1);
    ASSERT_EQ(listing.Rows.size(), 5u);
    EXPECT_EQ(listing.Rows[1], (model::ListRow{std::string(20, ' ') + std::string(60, 'a'), 0}));
    EXPECT_EQ(listing.Rows[2], (model::ListRow{std::string(20, ' ') + "cccccccccc", 0}));
    EXPECT_EQ(listing.Rows[3].ItemData, 2);
    ASSERT_EQ(listing.Errors.size(), 2u);
    EXPECT_EQ(listing.Errors[0],
              (model::ListRow{"Line 1:   Repeat Lines function cannot be used on line 1. ", 0}));
    EXPECT_EQ(listing.Errors[1], (model::ListRow{"Line 2:  Third Input is not installed. ", 3}));
}

TEST(PageListing, ChecksUseThePageTheLineStandsOn) {
    model::Program program = NewProgram();
    program.PgmData[0].Code = {1, 0x01, 1, 100};    // fine on page A
    program.PgmData[400].Code = {1, 0x01, 1, 100};  // beyond page C
    EXPECT_TRUE(model::ListPage(program, 0).Errors.empty());
    ASSERT_EQ(model::ListPage(program, 2).Errors.size(), 1u);
    EXPECT_EQ(model::ListPage(program, 2).Errors[0].Text,
              "Line 1:   Maximum number of lines on Pages B - F is 75. ");
}

}  // namespace
