// Number formats and the reading of numbers typed or stored as text.
#include <gtest/gtest.h>

#include "model/TextFormat.h"

namespace {

TEST(TextFormat, NumbersRoundToTheHundredthOrShowAsHexOrSpacedForASign) {
    EXPECT_EQ(model::Fix2(1.5), "1.50");
    EXPECT_EQ(model::Fix2(0.04 * 1), "0.04");
    EXPECT_EQ(model::Fix2(255 * 0.04), "10.20");
    EXPECT_EQ(model::Fix2(59999 + 99 / 100.0), "59999.99");
    EXPECT_EQ(model::Fix2(0), "0.00");

    EXPECT_EQ(model::Hex(0x16), "16");
    EXPECT_EQ(model::Hex(160), "A0");
    EXPECT_EQ(model::Hex(5), "5");
    EXPECT_EQ(model::Hex(-1), "FFFF");
    EXPECT_EQ(model::SpacedNumber(6), " 6");
    EXPECT_EQ(model::SpacedNumber(-3), "-3");
    EXPECT_EQ(model::Real(1000), "1000");
    EXPECT_EQ(model::Real(0.01), "0.01");
}

TEST(TextFormat, LeadingNumberReadsTheNumericStartIgnoringBlanks) {
    EXPECT_EQ(model::LeadingNumber("12AB"), 12);
    EXPECT_EQ(model::LeadingNumber(" 1 2"), 12);
    EXPECT_EQ(model::LeadingNumber("-3.5x"), -3.5);
    EXPECT_EQ(model::LeadingNumber("12.5"), 12.5);
    EXPECT_EQ(model::LeadingNumber("PUMP"), 0);
    EXPECT_EQ(model::LeadingNumber(""), 0);
}

TEST(TextFormat, PadToColumnKeepsFieldsApartWhenALineIsAlreadyPastIt) {
    for (const auto& [line, padded] : {std::pair<std::string, std::string>{"abc", "abc  "},
                                       {"abcde", "abcde"},
                                       {"abcdefgh", "abcdefgh "}}) {
        std::string text = line;
        model::PadToColumn(text, 6);
        EXPECT_EQ(text, padded);
    }
}

TEST(TextFormat, CommentPiecesStopAtTheFourthPiece) {
    EXPECT_TRUE(model::CommentPieces("").empty());
    EXPECT_EQ(model::CommentPieces(std::string(60, 'a')).size(), 1u);
    EXPECT_EQ(model::CommentPieces(std::string(61, 'a')).size(), 2u);
    const auto pieces = model::CommentPieces(std::string(300, 'a'));
    ASSERT_EQ(pieces.size(), 4u);
    EXPECT_EQ(pieces[3].size(), 60u);
}

}  // namespace
