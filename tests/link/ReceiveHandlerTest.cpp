// The receive handler fed bytes directly: identification, the buffer, and the trace of a
// running MCU.
#include "link/LinkTexts.h"
#include "tests/link/HandlerBench.h"

namespace linktest {
namespace {

using S = comm::CommStateWord;
namespace t = comm::texts;

TEST_F(HandlerTest, IdentificationIsAnsweredWithThePcsSumAndConnectsOnlyWhenValid) {
    const struct {
        Bytes in;  // after a reset: a wrong sum, a kind with another's type, a stray byte, zeros
        Bytes answers;
        S state;
        const char* mode;
    } rows[] = {
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
    for (const auto& row : rows) {
        handler.Reset();
        Feed(row.in);
        const std::string in = ::testing::PrintToString(row.in);
        EXPECT_EQ(Sent(), row.answers) << in;
        EXPECT_EQ(State(), row.state) << in;
        EXPECT_EQ(seen.Mode, row.mode) << in;
        EXPECT_EQ(handler.State().RxCount, 0u) << in;
        const bool identified = row.state != S::Data;
        EXPECT_EQ(handler.State().DiscardZeros, !identified) << in;
        if (identified) {
            EXPECT_EQ(handler.State().InterfaceVersion, row.in[row.in.size() - 2]) << in;
        }
    }
}

TEST_F(HandlerTest, ErrDropsEveryByte) {
    handler.SetState(S::Err);
    Feed({0x55, 0xF0, 0x01, 0x46, 0x12});
    EXPECT_EQ(State(), S::Err);
    EXPECT_TRUE(Sent().empty());
    EXPECT_EQ(handler.State().RxCount, 0u);
}

TEST_F(HandlerTest, FullBufferIsClearedAndNeverOverrun) {
    Feed({0x55, 0xF0, 0x01, 0x46});
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

TEST_F(TraceTest, ReportsDecodeByInterfaceVersion) {
    const struct {
        int version;
        Bytes report;
        int page;  // 0: dropped
        int line;
    } rows[] = {
        {1, {3, 7}, 3, 7},   {1, {0, 7}, 0, 0}, {1, {7, 7}, 0, 0},   {2, {213, 7}, 3, 7},
        {2, {7, 213}, 3, 7}, {2, {3, 7}, 0, 0}, {2, {217, 7}, 0, 0}, {3, {5, 211}, 1, 5},
    };
    for (const auto& row : rows) {
        Start(row.version);
        Feed(row.report);
        for (int page = 1; page <= 6; ++page)
            EXPECT_EQ(handler.State().TraceLast[page], page == row.page ? row.line : -1)
                << "version " << row.version << " report " << int(row.report[0]) << ","
                << int(row.report[1]) << " page " << page;
    }
}

TEST_F(TraceTest, OnlyARepeatedReportOfTheLineOnDisplayIsShownAndOneAtATime) {
    const struct {
        S state;
        Bytes reports;
        int page;
        int recorded;  // TraceLast[page]; -1: nothing recorded
        bool shown;    // a display is due
    } rows[] = {
        {S::Run, {3, 4}, 3, 4, false},
        {S::Run, {3, 4, 3, 4}, 3, 4, true},
        {S::Run, {3, 4, 3, 4, 3, 1}, 3, 4, true},  // the third while the display is due
        {S::Run, {2, 6, 2, 6}, 2, 6, false},       // another page
        {S::Run, {3, 11, 3, 11}, 3, -1, false},    // past the list
        {S::XRun, {3, 4, 3, 4}, 3, -1, false},
    };
    for (const auto& row : rows) {
        Start(1, row.state);
        Feed(row.reports);
        const std::string reports = ::testing::PrintToString(row.reports);
        EXPECT_EQ(handler.State().TraceLast[row.page], row.recorded) << reports;
        EXPECT_EQ(host.Timer, row.shown ? comm::ReceiveHandler::kTraceDelay : 0) << reports;
    }
}

TEST_F(TraceTest, DisplaySelectsTheRowOfTheReportedLineOnce) {
    Start(2);
    Feed({213, 4, 4, 213});
    Tick();
    // Row 5 carries line 5 = offset 4 + 1 (row 2 is a comment).
    EXPECT_EQ(seen.TraceRows, (std::vector<std::pair<int, int>>{{0, 5}}));
    EXPECT_EQ(handler.Trace().TraceItem, 5);
    Feed({213, 4});
    Tick();
    EXPECT_EQ(seen.TraceRows.size(), 1u) << "the row is selected already";
}

TEST_F(TraceTest, NoPageOnDisplayShowsNothing) {
    Start(1);
    Feed({3, 2, 3, 2});
    handler.Trace().Page = 0;
    Tick();
    EXPECT_TRUE(seen.TraceRows.empty());
}

}  // namespace
}  // namespace linktest
