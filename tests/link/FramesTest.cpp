// Frame sums and line addressing.
#include <gtest/gtest.h>

#include "link/Frames.h"
#include "link/LineAddress.h"

namespace {

TEST(Frames, EachMessageCarriesTheSumOfItsBytes) {
    EXPECT_EQ(comm::MakeFrame({2, 7, 99, 0, 0, 0, 0}), (comm::Frame{2, 7, 99, 0, 0, 0, 0, 108}));
    // The sum wraps at 256.
    EXPECT_EQ(comm::MakeFrame({240, 1, 255, 0, 0, 0, 16})[7], (240 + 1 + 255 + 16) % 256);
    EXPECT_EQ(comm::MakePpMessage(1, 2, 5, {10, 20, 30, 40}),
              (comm::Frame{1, 2, 5, 10, 20, 30, 40, 108}));
    EXPECT_EQ(comm::IdentificationOf(comm::Unit::Cim, 2),
              (std::array<uint8_t, 4>{0x5A, 0xFA, 0x02, 0x56}));
}

TEST(Frames, ReadReplyDataSumIsChecked) {
    const uint8_t good[6] = {108, 1, 2, 3, 250, 0};  // 1 + 2 + 3 + 250 = 256 -> 0
    const uint8_t bad[6] = {108, 1, 2, 3, 250, 1};
    EXPECT_TRUE(comm::ReplyDataIntact(good));
    EXPECT_FALSE(comm::ReplyDataIntact(bad));
}

TEST(LineAddress, PagesMapToTheirRecordsAndNothingOutsideTheImage) {
    const struct {
        int page, offset;
        std::optional<int> record;
    } rows[] = {
        {1, 0, 0},   {1, 249, 249},  {1, 255, 255}, {2, 5, 305},  {6, 93, 793},
        {7, 0, 800}, {7, 99, 899},   {7, 150, 950}, {7, 151, {}}, {0, 0, {}},
        {8, 0, {}},  {255, 255, {}}, {2, 255, 555}, {1, -1, {}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(comm::RecordOfLine(row.page, row.offset), row.record)
            << "page " << row.page << " offset " << row.offset;
}

TEST(LineAddress, TransferSpanIs845LinesPageByPage) {
    const auto& span = comm::TransferSpan();
    ASSERT_EQ(span.size(), 845u);
    EXPECT_EQ(span.front().Record, 0);
    EXPECT_EQ(span[249].Record, 249);
    EXPECT_EQ(span[250].Record, 300);  // page B line 1 follows page A offset 249
    EXPECT_EQ(span[250 + 93].Record, 393);
    EXPECT_EQ(span.back().Page, 7);
    EXPECT_EQ(span.back().Record, 924);  // register 125
}

}  // namespace
