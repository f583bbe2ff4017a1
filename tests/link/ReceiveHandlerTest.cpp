// The receive handler fed bytes directly: identification, the buffer, and the trace of a
// running MCU.
#include <tuple>

#include "link/LinkTexts.h"
#include "tests/link/HandlerBench.h"

namespace linktest {
namespace {

using S = comm::CommStateWord;
namespace t = comm::texts;

// After a reset: each unit, the newer interface, a wrong sum, a kind with another's type, a
// stray byte, zeros.
TEST_F(HandlerTest, IdentificationIsAnsweredWithThePcsSumAndConnectsOnlyWhenValid) {
    // Bytes in, the answers, the state and the mode shown.
    const std::tuple<Bytes, Bytes, S, const char*> rows[] = {
        {{0x55, 0xF0, 0x01, 0x46}, {0x46}, S::Mcu, t::kConnectedMcu},
        {{0x5A, 0xFA, 0x01, 0x55}, {0x55}, S::Cim, t::kConnectedCim},
        {{0xAA, 0x0F, 0x01, 0xBA}, {0xBA}, S::Pp, t::kConnectedPp},
        {{0x55, 0xF0, 0x02, 0x47}, {0x47}, S::McuX, t::kConnecting},
        {{0xAA, 0x0F, 0x05, 0xBE}, {0xBE}, S::PpX, t::kConnecting},
        {{0x55, 0xF0, 0x01, 0x47, 0x55, 0xF0, 0x01, 0x46}, {0x46, 0x46}, S::Mcu, t::kConnectedMcu},
        {{0x55, 0xFA, 0x01, 0x50}, {0x50}, S::Data, t::kNotConnected},
        {{0x12, 0x55, 0xF0, 0x01, 0x46}, {0x00, 0x46}, S::Mcu, t::kConnectedMcu},
        {{0x00, 0x55, 0x00, 0xF0, 0x01, 0x46}, {0x46}, S::Mcu, t::kConnectedMcu},
    };
    for (const auto& [in, answers, state, mode] : rows) {
        SCOPED_TRACE(::testing::PrintToString(in));
        handler.Reset();
        Feed(in);
        EXPECT_EQ(Sent(), answers);
        EXPECT_EQ(State(), state);
        EXPECT_EQ(seen.Mode, mode);
        EXPECT_EQ(handler.State().RxCount, 0u);
        const bool identified = state != S::Data;
        EXPECT_EQ(handler.State().DiscardZeros, !identified);
        EXPECT_TRUE(!identified || handler.State().InterfaceVersion == in[in.size() - 2]);
    }
}

TEST_F(HandlerTest, ErrDropsEveryByteAndAFullBufferIsClearedNeverOverrun) {
    handler.SetState(S::Err);
    Feed({0x55, 0xF0, 0x01, 0x46, 0x12});
    EXPECT_EQ(State(), S::Err);
    EXPECT_TRUE(Sent().empty());
    EXPECT_EQ(handler.State().RxCount, 0u);

    handler.SetState(S::Mcu);
    for (int i = 0; i < 30; ++i) {
        handler.Receive(static_cast<uint8_t>(i + 1));
        ASSERT_LE(handler.State().RxCount, comm::kRxBufSize);
    }
    // 30 bytes: 11, then 11 again, then 8.
    EXPECT_EQ(handler.State().RxCount, 8u);
    EXPECT_EQ(handler.State().RxBuf[0], 23);
}

// A running MCU; page C on display, lines 1..9 with a comment row after line 2.
class TraceTest : public HandlerTest {
  protected:
    void Start(int interfaceVersion, S runState = S::Run) {
        handler.Reset();
        handler.State().DiscardZeros = false;
        handler.State().InterfaceVersion = interfaceVersion;
        handler.SetState(runState);
        handler.Trace() = {3, {1, 2, 0, 3, 4, 5, 6, 7, 8, 9}, 0};
        handler.State().TraceLast.fill(-1);
    }
};

// The newer interface marks the page byte with 210 and may send it second.
TEST_F(TraceTest, ReportsDecodeByInterfaceAndOnlyARepeatOfTheLineOnDisplayIsShownOneAtATime) {
    // Interface version, state, reports; the page and line recorded (page 0: none); a display due.
    const std::tuple<int, S, Bytes, int, int, bool> rows[] = {
        {1, S::Run, {3, 7}, 3, 7, false},
        {1, S::Run, {0, 7}, 0, 0, false},
        {1, S::Run, {7, 7}, 0, 0, false},
        {2, S::Run, {213, 7}, 3, 7, false},
        {2, S::Run, {7, 213}, 3, 7, false},
        {2, S::Run, {3, 7}, 0, 0, false},
        {2, S::Run, {217, 7}, 0, 0, false},
        {3, S::Run, {5, 211}, 1, 5, false},
        {1, S::Run, {3, 4, 3, 4}, 3, 4, true},
        {1, S::Run, {3, 4, 3, 4, 3, 1}, 3, 4, true},  // the third while the display is due
        {1, S::Run, {2, 6, 2, 6}, 2, 6, false},       // another page
        {1, S::Run, {3, 11, 3, 11}, 0, 0, false},     // past the list
        {1, S::XRun, {3, 4, 3, 4}, 0, 0, false},
    };
    for (const auto& [version, state, reports, recordedPage, line, shown] : rows) {
        SCOPED_TRACE(::testing::Message() << version << ::testing::PrintToString(reports));
        Start(version, state);
        Feed(reports);
        for (int page = 1; page <= 6; ++page)
            EXPECT_EQ(handler.State().TraceLast[page], page == recordedPage ? line : -1) << page;
        EXPECT_EQ(timer, shown ? 250 : 0);
    }
}

// Row 5 carries line 5 = offset 4 + 1 (row 2 is a comment).
TEST_F(TraceTest, DisplaySelectsTheRowOfTheReportedLineOnceAndOnlyWithAPageOnDisplay) {
    Start(2);
    Feed({213, 4, 4, 213});
    Tick();
    EXPECT_EQ(seen.TraceRows, (std::vector<std::pair<int, int>>{{0, 5}}));
    EXPECT_EQ(handler.Trace().TraceItem, 5);
    Feed({213, 4, 213, 4});
    Tick();
    EXPECT_EQ(seen.TraceRows.size(), 1u) << "the row is selected already";
    Feed({213, 2, 213, 2});
    handler.Trace().Page = 0;
    Tick();
    EXPECT_EQ(seen.TraceRows.size(), 1u) << "no page on display";
}

}  // namespace
}  // namespace linktest
