// Windows-1252 text at the edges of the model.
#include <gtest/gtest.h>

#include "model/Cp1252.h"

namespace {

TEST(Cp1252, AccentsAndTheEuroSignConvertBothWays) {
    const std::string utf8 = "caf\xC3\xA9 \xC3\xBC \xE2\x82\xAC";  // café ü €
    const std::string cp = model::Utf8ToCp1252(utf8);
    EXPECT_EQ(cp, "caf\xE9 \xFC \x80");
    EXPECT_EQ(model::Cp1252ToUtf8(cp), utf8);
}

TEST(Cp1252, EveryByteSurvivesARoundTripThroughUtf8) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    EXPECT_EQ(model::Utf8ToCp1252(model::Cp1252ToUtf8(all)), all);
}

TEST(Cp1252, CharactersTheCodePageLacksAreReplacedNotDropped) {
    EXPECT_EQ(model::Utf8ToCp1252("a\xE2\x86\x92-"), "a?-");  // an arrow
    EXPECT_EQ(model::Utf8ToCp1252("\xF0\x9F\x98\x80"), "?");  // an emoji
    EXPECT_EQ(model::Utf8ToCp1252("x\xC3"), "x?");            // a cut sequence
    EXPECT_EQ(model::Utf8ToCp1252("\xFF-"), "?-");            // not UTF-8
}

TEST(Cp1252, StorableTextReplacesQuotesAndLineBreaks) {
    EXPECT_EQ(model::StorableText("say \"hi\"\r\nnow\n"), "say 'hi'  now ");
}

}  // namespace
