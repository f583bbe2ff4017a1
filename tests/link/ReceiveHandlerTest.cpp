// The receive state machine fed bytes and ticks directly.
#include <gtest/gtest.h>

#include "link/LinkTexts.h"
#include "link/ReceiveHandler.h"
#include "model/HardwareConfig.h"
#include "model/NewProgram.h"
#include "model/Program.h"
#include "model/ProgramChecksum.h"
#include "tests/link/RecordingObserver.h"

namespace {

using comm::CommStateWord;
using Bytes = std::vector<uint8_t>;

class FakeHost : public comm::ReceiveHost {
  public:
    void SendByte(uint8_t byte) override { Sent.push_back(byte); }
    void StartCommTimer(comm::Millis interval) override { Timer = interval; }
    void StopCommTimer() override { Timer = 0; }
    bool CommTimerRunning() const override { return Timer != 0; }
    void SetLineSpeed(int baud) override { Baud = baud; }

    Bytes Take() {
        Bytes out;
        out.swap(Sent);
        return out;
    }

    Bytes Sent;
    comm::Millis Timer = 0;
    int Baud = 9600;
};

class Handler : public ::testing::Test {
  protected:
    Handler() : handler(host, seen) { handler.Reset(); }

    void Feed(const Bytes& bytes) {
        for (uint8_t b : bytes)
            handler.Receive(b);
    }
    // tmrComm runs out.
    void Tick() {
        ASSERT_NE(host.Timer, 0) << "tmrComm is not running";
        host.Timer = 0;
        handler.CommTick();
    }
    CommStateWord State() const { return handler.State().CommState; }

    FakeHost host;
    linktest::RecordingObserver seen;
    comm::ReceiveHandler handler;
};

TEST_F(Handler, IdentificationConnectsEachUnitAndIsAnsweredWithItsChecksum) {
    const struct {
        Bytes message;
        CommStateWord state;
        const char* mode;
    } rows[] = {
        {{0x55, 0xF0, 0x01, 0x46}, CommStateWord::Mcu, comm::texts::kConnectedMcu},
        {{0x5A, 0xFA, 0x01, 0x55}, CommStateWord::Cim, comm::texts::kConnectedCim},
        {{0xAA, 0x0F, 0x01, 0xBA}, CommStateWord::Pp, comm::texts::kConnectedPp},
        {{0x55, 0xF0, 0x02, 0x47}, CommStateWord::McuX, comm::texts::kConnecting},
        {{0xAA, 0x0F, 0x05, 0xBE}, CommStateWord::PpX, comm::texts::kConnecting},
    };
    for (const auto& row : rows) {
        handler.Reset();
        Feed(row.message);
        EXPECT_EQ(State(), row.state) << int(row.message[0]);
        EXPECT_EQ(seen.Mode, row.mode);
        EXPECT_EQ(host.Take(), Bytes{row.message[3]});
        EXPECT_EQ(handler.State().InterfaceVersion, row.message[2]);
        EXPECT_FALSE(handler.State().DiscardZeros);
        EXPECT_EQ(handler.State().RxCount, 0u);
    }
}

TEST_F(Handler, WrongChecksumOrUnknownPairIsAnsweredWithThePcsSumAndWaitsForTheNext) {
    Feed({0x55, 0xF0, 0x01, 0x47});
    EXPECT_EQ(State(), CommStateWord::Data);
    EXPECT_EQ(host.Take(), Bytes{0x46});
    Feed({0x55, 0xFA, 0x01, 0x50});  // MCU kind with the CIM's type, its sum right
    EXPECT_EQ(State(), CommStateWord::Data);
    EXPECT_EQ(host.Take(), Bytes{0x50});
    Feed({0x55, 0xF0, 0x01, 0x46});
    EXPECT_EQ(State(), CommStateWord::Mcu);
}

TEST_F(Handler, StrayByteIsAnsweredWithZeroAndDropped) {
    Feed({0x12});
    EXPECT_EQ(host.Take(), Bytes{0x00});
    EXPECT_EQ(handler.State().RxCount, 0u);
    EXPECT_EQ(handler.State().MsgSum, 0u);
    Feed({0x55, 0xF0, 0x01, 0x46});
    EXPECT_EQ(State(), CommStateWord::Mcu);
}

TEST_F(Handler, ZeroBytesAreDroppedOnlyUntilAUnitIsIdentified) {
    Feed({0x00, 0x55, 0x00, 0xF0, 0x01, 0x46});
    ASSERT_EQ(State(), CommStateWord::Mcu);
    host.Take();
    Feed({0x00, 0x00});
    EXPECT_EQ(handler.State().RxCount, 2u);
    handler.Reset();
    EXPECT_TRUE(handler.State().DiscardZeros);
}

TEST_F(Handler, DataBytesOfAReplyAreSummedOnlyWhileReading) {
    Feed({0x5A, 0xFA, 0x01, 0x55});
    for (bool reading : {false, true}) {
        handler.State().XferText = reading ? comm::texts::kReadingData : comm::texts::kSendingData;
        handler.State().DataSum = 0;
        handler.Clear();
        Feed({21, 100, 101, 102, 103, 150});  // echo, four data bytes, their sum
        EXPECT_EQ(handler.State().DataSum, reading ? 406u : 0u);
        EXPECT_EQ(handler.State().RxCount, 6u);  // the waiting transfer takes and clears it
    }
}

TEST_F(Handler, ErrDropsEveryByte) {
    handler.SetState(CommStateWord::Err);
    Feed({0x55, 0xF0, 0x01, 0x46, 0x12});
    EXPECT_EQ(State(), CommStateWord::Err);
    EXPECT_TRUE(host.Sent.empty());
    EXPECT_EQ(handler.State().RxCount, 0u);
}

TEST_F(Handler, FullBufferIsClearedAndNeverOverrun) {
    Feed({0x55, 0xF0, 0x01, 0x46});
    for (int i = 0; i < 30; ++i) {
        handler.Receive(static_cast<uint8_t>(i + 1));
        ASSERT_LE(handler.State().RxCount, comm::kRxBufSize);
    }
    // 30 bytes: 11, then 11 again, then 8.
    EXPECT_EQ(handler.State().RxCount, 8u);
    EXPECT_EQ(handler.State().RxBuf[0], 23);
}

// The speed set-up from the identification to the high-speed test's reply.
TEST_F(Handler, SpeedSetUpSendsTheSpeedRequestThenTheTestAtTheNewSpeed) {
    const struct {
        Bytes ident;
        int commSpeed;
        Bytes speedRequest;
        Bytes test;
        int baud;
        CommStateWord state;
    } rows[] = {
        {{0x55, 0xF0, 0x02, 0x47},
         1,
         {240, 1, 0, 0, 0, 0, 0, 241},
         {2, 7, 99, 0, 0, 0, 0, 108},
         19200,
         CommStateWord::Mcu},
        {{0x55, 0xF0, 0x02, 0x47},
         2,
         {240, 0, 0, 0, 0, 0, 0, 240},
         {2, 7, 99, 0, 0, 0, 0, 108},
         9600,
         CommStateWord::Mcu},
        {{0x5A, 0xFA, 0x03, 0x57},
         1,
         {240, 1, 0, 0, 0, 0, 0, 241},
         {6, 15, 0, 0, 0, 0, 0, 21},
         19200,
         CommStateWord::Cim},
        {{0xAA, 0x0F, 0x02, 0xBB},
         0,
         {240, 0, 0, 0, 0, 0, 0, 240},
         {2, 7, 99, 0, 0, 0, 0, 108},
         9600,
         CommStateWord::Pp},
    };
    for (const auto& row : rows) {
        handler.Reset();
        host.Baud = 9600;
        handler.State().CommSpeed = row.commSpeed;
        Feed(row.ident);
        host.Take();
        EXPECT_EQ(host.Timer, comm::ReceiveHandler::kPause);
        Tick();
        EXPECT_EQ(host.Take(), row.speedRequest);
        Feed({row.speedRequest[7]});
        EXPECT_EQ(host.Timer, comm::ReceiveHandler::kPause);
        EXPECT_TRUE(host.Sent.empty()) << "the test waits for the pause";
        Tick();
        EXPECT_EQ(host.Baud, row.baud);
        EXPECT_EQ(host.Take(), row.test);
        EXPECT_EQ(handler.State().CommTask, comm::CommTaskWord::TestCommHi);
        Feed({row.test[7], 1, 2, 3, 4, 10});
        EXPECT_EQ(State(), row.state);
        EXPECT_EQ(host.Timer, 0);
        EXPECT_EQ(handler.State().CommTask, comm::CommTaskWord::None);
        EXPECT_NE(seen.Mode, comm::texts::kConnecting);
    }
}

TEST_F(Handler, UnansweredHighSpeedTestGivesHighSpeedError) {
    Feed({0x55, 0xF0, 0x02, 0x47});
    Tick();
    Feed({240});
    Tick();
    host.Take();
    Tick();  // 100 ms, no reply
    EXPECT_EQ(State(), CommStateWord::Err);
    EXPECT_EQ(seen.Mode, comm::texts::kHighSpeedError);
}

TEST_F(Handler, WrongTestEchoSendsTheTestAgainButNotForever) {
    Feed({0x55, 0xF0, 0x02, 0x47});
    Tick();
    Feed({240});
    Tick();
    host.Take();
    Feed({99});
    EXPECT_EQ(host.Take(), (Bytes{2, 7, 99, 0, 0, 0, 0, 108}));
    EXPECT_EQ(host.Timer, comm::ReceiveHandler::kTestWait);
    for (int i = 0; i < comm::ReceiveHandler::kSpeedTries; ++i)
        Feed({99});
    EXPECT_EQ(State(), CommStateWord::Err);
    EXPECT_EQ(seen.Mode, comm::texts::kHighSpeedError);
}

TEST_F(Handler, ResetForgetsAPendingHighSpeedTest) {
    Feed({0x55, 0xF0, 0x02, 0x47});
    Tick();
    Feed({240});
    Tick();
    ASSERT_EQ(handler.State().CommTask, comm::CommTaskWord::TestCommHi);
    handler.Reset();
    // No tick is left to turn the next connection into "High Speed Error".
    EXPECT_EQ(host.Timer, 0);
    EXPECT_EQ(handler.State().CommTask, comm::CommTaskWord::None);
    Feed({0x55, 0xF0, 0x01, 0x46});
    EXPECT_EQ(State(), CommStateWord::Mcu);
}

TEST_F(Handler, SpeedRequestNeverEchoedEndsInsteadOfHanging) {
    Feed({0x55, 0xF0, 0x02, 0x47});
    Tick();
    Tick();
    EXPECT_EQ(State(), CommStateWord::Err);
}

class PpHandler : public Handler {
  protected:
    PpHandler() {
        model::MakeNewProgram(program);
        handler.AttachProgram(&program);
        Feed({0xAA, 0x0F, 0x01, 0xBA});
        host.Take();
    }
    model::Program program;
};

TEST_F(PpHandler, HereIsALineStoresItAndEchoes) {
    Feed({1, 2, 5, 10, 20, 30, 40, 108});
    EXPECT_EQ(program.PgmData[305].Code, (std::array<int16_t, 4>{10, 20, 30, 40}));
    EXPECT_EQ(host.Take(), Bytes{108});
    EXPECT_EQ(host.Timer, comm::ReceiveHandler::kPpEnd);
    EXPECT_EQ(seen.Transfer, comm::texts::kReadingData);
    EXPECT_EQ(seen.LastProgress, 305);
    EXPECT_EQ(handler.State().CommTask, comm::CommTaskWord::DataRead);
}

TEST_F(PpHandler, HereIsALineWithAWrongChecksumStoresNothingButIsAnswered) {
    const auto before = program.PgmData[305].Code;
    Feed({1, 2, 5, 10, 20, 30, 40, 109});
    EXPECT_EQ(program.PgmData[305].Code, before);
    EXPECT_EQ(host.Take(), Bytes{108});
    EXPECT_EQ(host.Timer, comm::ReceiveHandler::kPpEnd);
    EXPECT_EQ(seen.LastProgress, 0);
}

TEST_F(PpHandler, SendMeALineIsAnsweredWithTheEchoAndTheLine) {
    program.PgmData[0].Code = {1, 0x03, 1, 5};
    Feed({2, 1, 0, 0, 0, 0, 0, 3});
    EXPECT_EQ(host.Take(), (Bytes{3, 1, 0x03, 1, 5}));
    EXPECT_EQ(seen.Transfer, comm::texts::kSendingData);
    EXPECT_EQ(host.Timer, comm::ReceiveHandler::kPpEnd);
}

TEST_F(PpHandler, SendMeALineWithAWrongChecksumIsServedWithoutRestartingTheEnd) {
    program.PgmData[0].Code = {1, 0x03, 1, 5};
    Feed({2, 1, 0, 0, 0, 0, 0, 4});
    EXPECT_EQ(host.Take(), (Bytes{3, 1, 0x03, 1, 5}));
    EXPECT_EQ(host.Timer, 0);
}

TEST_F(PpHandler, LinesOutsideTheImageAndUnknownCommandsAreNotAnswered) {
    const model::Program before = program;
    const Bytes messages[] = {
        {1, 7, 151, 1, 2, 3, 4, 0},  // record 951
        {2, 8, 0, 0, 0, 0, 0, 0},    // no page 8
        {1, 0, 0, 1, 2, 3, 4, 0},    // no page 0
        {3, 1, 0, 0, 0, 0, 0, 0},    // no command 3
    };
    for (Bytes message : messages) {
        message[7] = comm::Sum8(message.data(), 7);
        Feed(message);
        EXPECT_TRUE(host.Take().empty());
        EXPECT_EQ(handler.State().RxCount, 0u);
    }
    EXPECT_TRUE(program.SameContent(before));
    EXPECT_EQ(host.Timer, 0);
}

TEST_F(PpHandler, EndOfReceiveChecksTheProgramChecksum) {
    for (bool matching : {true, false}) {
        seen.Messages.clear();
        const uint8_t sum = model::ProgramChecksum(program);
        const uint8_t d = matching ? sum : static_cast<uint8_t>(sum + 1);
        const comm::Frame message = comm::MakePpMessage(1, 7, 99, {0, 1, 30, d});
        Feed(Bytes(message.begin(), message.end()));
        Tick();
        EXPECT_TRUE(handler.Tally().Ended);
        EXPECT_EQ(handler.Tally().ChecksumOk, matching);
        EXPECT_EQ(seen.Messages.size(), matching ? 0u : 1u);
        if (!matching) {
            EXPECT_EQ(seen.Messages[0].Title, comm::texts::kChecksumErrorTitle);
            EXPECT_EQ(seen.Messages[0].Text, comm::texts::kDataTransferError);
        }
        EXPECT_FALSE(seen.TransferVisible);
        EXPECT_EQ(handler.State().CommTask, comm::CommTaskWord::None);
    }
}

class RunHandler : public Handler {
  protected:
    void Start(int interfaceVersion, CommStateWord runState) {
        const auto ident = comm::IdentificationOf(comm::Unit::Mcu, 1);
        Feed(Bytes(ident.begin(), ident.end()));
        host.Take();
        handler.State().InterfaceVersion = interfaceVersion;
        handler.SetState(runState);
        handler.Trace() = {3, {1, 2, 0, 3, 4, 5, 6, 7, 8, 9}, 0};
    }
};

TEST_F(RunHandler, ReportsDecodeByInterfaceVersion) {
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
        handler.Reset();
        Start(row.version, CommStateWord::Run);
        handler.State().TraceLast.fill(-1);
        Feed(row.report);
        for (int page = 1; page <= 6; ++page)
            EXPECT_EQ(handler.State().TraceLast[page], page == row.page ? row.line : -1)
                << "version " << row.version << " report " << int(row.report[0]) << ","
                << int(row.report[1]) << " page " << page;
    }
}

TEST_F(RunHandler, RepeatedReportOnThePageShownHighlightsItsRowLater) {
    Start(2, CommStateWord::Run);
    Feed({213, 4});
    EXPECT_EQ(host.Timer, 0);
    Feed({4, 213});  // the same line again, bytes the other way round: a fresh report
    EXPECT_EQ(host.Timer, comm::ReceiveHandler::kTraceDelay);
    Feed({213, 1});  // while the display is due: dropped
    EXPECT_EQ(handler.State().TraceLast[3], 4);
    Tick();
    // Row 5 carries line 5 = offset 4 + 1 (row 2 is a comment).
    ASSERT_EQ(seen.TraceRows.size(), 1u);
    EXPECT_EQ(seen.TraceRows[0], std::make_pair(0, 5));
    EXPECT_EQ(handler.Trace().TraceItem, 5);
}

TEST_F(RunHandler, NoPageOnDisplayHighlightsNoCommentRow) {
    Start(1, CommStateWord::Run);
    handler.State().TraceLast.fill(-1);
    Feed({3, 2, 3, 2});
    handler.Trace().Page = 0;  // the list shows no page now
    Tick();
    EXPECT_TRUE(seen.TraceRows.empty());
    EXPECT_EQ(handler.State().CommTask, comm::CommTaskWord::None);
}

TEST_F(RunHandler, ReportsForAnotherPageOnlyRecordTheLine) {
    Start(1, CommStateWord::Run);
    Feed({2, 6, 2, 6});
    EXPECT_EQ(handler.State().TraceLast[2], 6);
    EXPECT_EQ(host.Timer, 0);
}

TEST_F(RunHandler, NoTraceHighlightsNothing) {
    Start(1, CommStateWord::XRun);
    Feed({3, 4, 3, 4, 3, 4});
    EXPECT_EQ(host.Timer, 0);
    EXPECT_EQ(handler.State().TraceLast[3], 0);
    EXPECT_TRUE(seen.TraceRows.empty());
}

TEST_F(RunHandler, LinePastTheListIsDropped) {
    Start(1, CommStateWord::Run);
    Feed({3, 11, 3, 11});  // the list has 10 rows
    EXPECT_EQ(handler.State().TraceLast[3], 0);
    EXPECT_EQ(host.Timer, 0);
}

}  // namespace
