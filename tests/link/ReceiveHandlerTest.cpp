// The receive handler fed bytes directly: identification, the buffer, and the trace of a
// running MCU.
#include "link/LinkTexts.h"
#include "tests/link/HandlerBench.h"

namespace linktest {
namespace {

using comm::CommStateWord;
namespace texts = comm::texts;

TEST_F(HandlerTest, IdentificationIsAnsweredWithThePcsSumAndConnectsOnlyWhenValid) {
    const struct {
        const char* edge;
        Bytes in;  // from a reset; may hold several messages
        Bytes answers;
        CommStateWord state;
        const char* mode;
    } rows[] = {
        {"MCU", {0x55, 0xF0, 0x01, 0x46}, {0x46}, CommStateWord::Mcu, texts::kConnectedMcu},
        {"CIM", {0x5A, 0xFA, 0x01, 0x55}, {0x55}, CommStateWord::Cim, texts::kConnectedCim},
        {"PP", {0xAA, 0x0F, 0x01, 0xBA}, {0xBA}, CommStateWord::Pp, texts::kConnectedPp},
        {"newer MCU", {0x55, 0xF0, 0x02, 0x47}, {0x47}, CommStateWord::McuX, texts::kConnecting},
        {"newer PP", {0xAA, 0x0F, 0x05, 0xBE}, {0xBE}, CommStateWord::PpX, texts::kConnecting},
        {"wrong sum, then right",
         {0x55, 0xF0, 0x01, 0x47, 0x55, 0xF0, 0x01, 0x46},
         {0x46, 0x46},
         CommStateWord::Mcu,
         texts::kConnectedMcu},
        {"kind with another's type",
         {0x55, 0xFA, 0x01, 0x50},
         {0x50},
         CommStateWord::Data,
         texts::kNotConnected},
        {"stray byte, then a message",
         {0x12, 0x55, 0xF0, 0x01, 0x46},
         {0x00, 0x46},
         CommStateWord::Mcu,
         texts::kConnectedMcu},
        {"zeros before identification",
         {0x00, 0x55, 0x00, 0xF0, 0x01, 0x46},
         {0x46},
         CommStateWord::Mcu,
         texts::kConnectedMcu},
    };
    for (const auto& row : rows) {
        handler.Reset();
        Feed(row.in);
        EXPECT_EQ(host.Take(), row.answers) << row.edge;
        EXPECT_EQ(State(), row.state) << row.edge;
        EXPECT_EQ(seen.Mode, row.mode) << row.edge;
        EXPECT_EQ(handler.State().RxCount, 0u) << row.edge;
        const bool identified = row.state != CommStateWord::Data;
        EXPECT_EQ(handler.State().DiscardZeros, !identified) << row.edge;
        if (identified) {
            EXPECT_EQ(handler.State().InterfaceVersion, row.in[row.in.size() - 2]) << row.edge;
        }
    }
}

TEST_F(HandlerTest, ErrDropsEveryByte) {
    handler.SetState(CommStateWord::Err);
    Feed({0x55, 0xF0, 0x01, 0x46, 0x12});
    EXPECT_EQ(State(), CommStateWord::Err);
    EXPECT_TRUE(host.Sent.empty());
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
    void Start(int interfaceVersion, CommStateWord runState = CommStateWord::Run) {
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
        const char* edge;
        CommStateWord state;
        Bytes reports;
        int page;
        int recorded;  // TraceLast[page]; -1: nothing recorded
        bool shown;    // a display is due
    } rows[] = {
        {"first report", CommStateWord::Run, {3, 4}, 3, 4, false},
        {"repeated", CommStateWord::Run, {3, 4, 3, 4}, 3, 4, true},
        {"repeated while due", CommStateWord::Run, {3, 4, 3, 4, 3, 1}, 3, 4, true},
        {"another page", CommStateWord::Run, {2, 6, 2, 6}, 2, 6, false},
        {"line past the list", CommStateWord::Run, {3, 11, 3, 11}, 3, -1, false},
        {"trace off", CommStateWord::XRun, {3, 4, 3, 4}, 3, -1, false},
    };
    for (const auto& row : rows) {
        Start(1, row.state);
        Feed(row.reports);
        EXPECT_EQ(handler.State().TraceLast[row.page], row.recorded) << row.edge;
        EXPECT_EQ(host.Timer, row.shown ? comm::ReceiveHandler::kTraceDelay : 0) << row.edge;
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
