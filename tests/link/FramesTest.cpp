// Frame sums and line addressing.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <utility>

#include "link/Frames.h"
#include "link/LineAddress.h"

namespace {

// Every other frame the link and the units build is checked byte for byte where it goes out.
TEST(Frames, SumsWrapAt256AndAReplysDataAddUpToItsLastByte) {
    EXPECT_EQ(comm::MakeFrame({240, 1, 255, 0, 0, 0, 16})[7], (240 + 1 + 255 + 16) % 256);
    const uint8_t good[6] = {108, 1, 2, 3, 250, 0}, bad[6] = {108, 1, 2, 3, 250, 1};
    EXPECT_TRUE(comm::ReplyDataIntact(good));
    EXPECT_FALSE(comm::ReplyDataIntact(bad));
}

TEST(LineAddress, PagesMapToTheirRecordsAndNothingOutsideTheImage) {
    const std::pair<std::array<int, 2>, std::optional<int>> rows[] = {
        {{1, 0}, 0},    {{1, 255}, 255}, {{2, 5}, 305},   {{2, 255}, 555},
        {{6, 93}, 793}, {{7, 0}, 800},   {{7, 150}, 950}, {{7, 151}, {}},
        {{0, 0}, {}},   {{8, 0}, {}},    {{1, -1}, {}},   {{255, 255}, {}},
    };
    for (const auto& [line, record] : rows)
        EXPECT_EQ(comm::RecordOfLine(line[0], line[1]), record) << line[0] << "/" << line[1];
    const auto& span = comm::TransferSpan();
    ASSERT_EQ(span.size(), 845u);
    // Page by page: page B line 1 follows page A offset 249.
    EXPECT_EQ(std::make_pair(span[249].Record, span[250].Record), std::make_pair(249, 300));
    EXPECT_EQ(span.back().Record, 924);  // register 125
}

}  // namespace
