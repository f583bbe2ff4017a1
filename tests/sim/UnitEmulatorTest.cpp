// The emulated units fed bytes directly: what they send, when, and what they store.
#include <gtest/gtest.h>

#include "app/sim/LineAddress.h"
#include "app/sim/UnitEmulator.h"
#include "link/Frames.h"
#include "link/LineAddress.h"

namespace {

using sim::Millis;
using Bytes = std::vector<uint8_t>;

const sim::Time kStart = sim::Time{} + std::chrono::hours(1);

Bytes Values(const std::vector<sim::WireByte>& out) {
    Bytes values;
    for (const sim::WireByte& b : out)
        values.push_back(b.Value);
    return values;
}

Bytes Request(std::initializer_list<uint8_t> seven) {
    Bytes frame(seven);
    frame.push_back(comm::Sum8(frame.data(), frame.size()));
    return frame;
}

// A unit powered up and identified, driven on a clock of its own.
class Bench {
  public:
    explicit Bench(const sim::UnitSetup& setup) : unit(setup) {}

    Bytes PowerUp() {
        unit.PowerUp(now);
        Advance(Millis(60));
        return Take();
    }
    // Powers up and answers the identification rightly.
    void Connect() {
        const Bytes ident = PowerUp();
        Feed({ident.back()});
        Take();
    }
    void Feed(const Bytes& bytes) {
        for (uint8_t b : bytes)
            unit.Receive(b, now);
    }
    Bytes Ask(const Bytes& frame) {
        Feed(frame);
        return Take();
    }
    void Advance(Millis ms) {
        now += ms;
        unit.Tick(now);
    }
    Bytes Take() { return Values(unit.TakeOutput()); }

    sim::UnitEmulator unit;
    sim::Time now = kStart;
};

sim::UnitSetup UnitOf(sim::UnitKind kind, int version = 1) {
    sim::UnitSetup setup;
    setup.Kind = kind;
    setup.InterfaceVersion = version;
    return setup;
}

TEST(UnitEmulator, EachUnitIdentifiesWithItsKindTypeVersionAndChecksum) {
    const struct {
        sim::UnitKind kind;
        int version;
        Bytes message;
    } rows[] = {
        {sim::UnitKind::Mcu, 1, {0x55, 0xF0, 0x01, 0x46}},
        {sim::UnitKind::Mcu, 2, {0x55, 0xF0, 0x02, 0x47}},
        {sim::UnitKind::Cim, 1, {0x5A, 0xFA, 0x01, 0x55}},
        {sim::UnitKind::Pp, 3, {0xAA, 0x0F, 0x03, 0xBC}},
    };
    for (const auto& row : rows) {
        Bench bench(UnitOf(row.kind, row.version));
        bench.unit.PowerUp(bench.now);
        bench.Advance(Millis(40));
        EXPECT_TRUE(bench.Take().empty()) << "identified before the power-up delay";
        bench.Advance(Millis(20));
        EXPECT_EQ(bench.Take(), row.message);
        bench.Feed({row.message.back()});
        EXPECT_TRUE(bench.unit.Connected());
        EXPECT_EQ(bench.unit.IdentAnswers(), Bytes{row.message.back()});
    }
}

TEST(UnitEmulator, FaultyIdentificationComesFirstAndTheValidOneAfterTheAnswer) {
    sim::UnitSetup setup = UnitOf(sim::UnitKind::Mcu);
    setup.Fault = sim::IdentFault::Checksum;
    Bench badSum(setup);
    EXPECT_EQ(badSum.PowerUp(), (Bytes{0x55, 0xF0, 0x01, 0x47}));
    badSum.Feed({0x46});
    EXPECT_FALSE(badSum.unit.Connected());
    EXPECT_EQ(badSum.Take(), (Bytes{0x55, 0xF0, 0x01, 0x46}));
    badSum.Feed({0x46});
    EXPECT_TRUE(badSum.unit.Connected());

    setup.Fault = sim::IdentFault::Stray;
    Bench stray(setup);
    EXPECT_EQ(stray.PowerUp(), Bytes{0x12});
    stray.Feed({0x00});
    EXPECT_EQ(stray.Take(), (Bytes{0x55, 0xF0, 0x01, 0x46}));
    EXPECT_EQ(stray.unit.IdentAnswers(), Bytes{0x00});
}

TEST(UnitEmulator, UnansweredIdentificationIsRepeatedAndPowerDownSilencesIt) {
    Bench bench(UnitOf(sim::UnitKind::Mcu));
    bench.PowerUp();
    bench.Advance(Millis(1000));
    EXPECT_EQ(bench.Take().size(), 4u);
    bench.unit.PowerDown();
    bench.Advance(Millis(2000));
    EXPECT_TRUE(bench.Take().empty());
}

TEST(UnitEmulator, WrittenLineIsReadBackWithEchoAndDataSum) {
    Bench bench(UnitOf(sim::UnitKind::Mcu));
    bench.Connect();
    const Bytes write = Request({1, 2, 5, 10, 20, 30, 40});
    EXPECT_EQ(bench.Ask(write), Bytes{write.back()});
    EXPECT_EQ(bench.unit.Memory()[305], (sim::LineCode{10, 20, 30, 40}));
    const Bytes read = Request({2, 2, 5, 0, 0, 0, 0});
    EXPECT_EQ(bench.Ask(read), (Bytes{read.back(), 10, 20, 30, 40, 100}));
    // Lines beyond the unit's pages read as zero and are not stored anywhere.
    EXPECT_EQ(bench.Ask(Request({1, 2, 100, 1, 1, 1, 1})).size(), 1u);
    EXPECT_EQ(bench.unit.Memory()[400], (sim::LineCode{}));
    const Bytes outside = Request({2, 8, 0, 0, 0, 0, 0});
    EXPECT_EQ(bench.Ask(outside), (Bytes{outside.back(), 0, 0, 0, 0, 0}));
}

TEST(UnitEmulator, McuKeepsItsFirmwareVersionInRegister100) {
    sim::UnitSetup setup = UnitOf(sim::UnitKind::Mcu);
    setup.FirmwareMinor = 28;
    Bench bench(setup);
    bench.Connect();
    bench.Ask(Request({1, 7, 99, 9, 1, 30, 77}));
    const Bytes read = Request({2, 7, 99, 0, 0, 0, 0});
    EXPECT_EQ(read.back(), 108);
    EXPECT_EQ(bench.Ask(read), (Bytes{108, 9, 1, 28, 77, 115}));
}

TEST(UnitEmulator, RequestWithAWrongChecksumIsAnsweredButNotCarriedOut) {
    Bench bench(UnitOf(sim::UnitKind::Mcu));
    bench.Connect();
    Bytes write = Request({1, 1, 0, 5, 5, 5, 5});
    ++write[7];
    EXPECT_EQ(bench.Ask(write), Bytes{static_cast<uint8_t>(write[7] - 1)});
    EXPECT_EQ(bench.unit.Memory()[0], (sim::LineCode{}));
}

TEST(UnitEmulator, SpeedRequestIsEchoedAtTheOldSpeedThenTheUnitMovesToTheNew) {
    Bench bench(UnitOf(sim::UnitKind::Mcu, 2));
    bench.Connect();
    bench.Feed(Request({240, 1, 0, 0, 0, 0, 0}));
    const std::vector<sim::WireByte> echo = bench.unit.TakeOutput();
    ASSERT_EQ(echo.size(), 1u);
    EXPECT_EQ(echo[0].Value, 241);
    EXPECT_EQ(echo[0].Baud, sim::kLowBaud);
    EXPECT_EQ(bench.unit.Baud(), sim::kHighBaud);
    bench.Feed(Request({2, 7, 99, 0, 0, 0, 0}));
    for (const sim::WireByte& b : bench.unit.TakeOutput())
        EXPECT_EQ(b.Baud, sim::kHighBaud);
    bench.Feed(Request({240, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(bench.unit.Baud(), sim::kLowBaud);
}

TEST(UnitEmulator, CimHoldsModuleMemoryAndWrapsAtTheTopAddress) {
    Bench bench(UnitOf(sim::UnitKind::Cim, 2));
    bench.Connect();
    const Bytes test = Request({6, 15, 0, 0, 0, 0, 0});
    EXPECT_EQ(bench.Ask(test), (Bytes{test.back(), 0, 0, 0, 0, 0}));
    bench.Ask(Request({5, 0x02, 0xC0, 'P', 'u', 'm', 'p'}));
    EXPECT_EQ(bench.unit.ModuleMemory()[0x02C3], 'p');
    const Bytes read = Request({6, 0x02, 0xC0, 0, 0, 0, 0});
    EXPECT_EQ(bench.Ask(read), (Bytes{read.back(), 'P', 'u', 'm', 'p', 0xA2}));
    bench.Ask(Request({5, 0xFF, 0xFE, 1, 2, 3, 4}));
    EXPECT_EQ(bench.unit.ModuleMemory()[0xFFFF], 2);
    EXPECT_EQ(bench.unit.ModuleMemory()[0x0001], 4);
    // A CIM holds no program lines: a line request gets its echo and nothing more.
    EXPECT_EQ(bench.Ask(Request({2, 1, 0, 0, 0, 0, 0})).size(), 1u);
}

TEST(UnitEmulator, GarbledRequestsStoreWrongBytesAndTellByTheirEcho) {
    sim::UnitSetup setup = UnitOf(sim::UnitKind::Mcu);
    setup.CorruptEchoPercent = 100;
    Bench bench(setup);
    bench.Connect();
    const Bytes write = Request({1, 1, 3, 1, 2, 3, 4});
    const Bytes echo = bench.Ask(write);
    ASSERT_EQ(echo.size(), 1u);
    EXPECT_NE(echo[0], write.back());
    EXPECT_NE(bench.unit.Memory()[3], (sim::LineCode{1, 2, 3, 4}));
    // Repeated with the same seed, the garbling is the same.
    Bench again(setup);
    again.Connect();
    EXPECT_EQ(again.Ask(write), echo);
    EXPECT_EQ(again.unit.Memory()[3], bench.unit.Memory()[3]);
}

TEST(UnitEmulator, ShareOfGarbledRequestsFollowsThePercentage) {
    sim::UnitSetup setup = UnitOf(sim::UnitKind::Mcu);
    setup.CorruptEchoPercent = 5;
    Bench bench(setup);
    bench.Connect();
    int wrong = 0;
    for (int i = 0; i < 2000; ++i) {
        const Bytes read = Request({2, 1, static_cast<uint8_t>(i % 200), 0, 0, 0, 0});
        wrong += bench.Ask(read)[0] != read.back();
    }
    EXPECT_GT(wrong, 50);
    EXPECT_LT(wrong, 160);
}

TEST(UnitEmulator, StopAfterAnswersNRequestsThenNothingAndHangupAsksForTheLineToDrop) {
    sim::UnitSetup setup = UnitOf(sim::UnitKind::Mcu);
    setup.StopAfter = 2;
    Bench stop(setup);
    stop.Connect();
    const Bytes read = Request({2, 1, 0, 0, 0, 0, 0});
    EXPECT_EQ(stop.Ask(read).size(), 6u);
    EXPECT_EQ(stop.Ask(read).size(), 6u);
    EXPECT_TRUE(stop.Ask(read).empty());
    EXPECT_FALSE(stop.unit.HangupWanted());

    setup.StopAfter = -1;
    setup.HangupAfter = 1;
    Bench hangup(setup);
    hangup.Connect();
    EXPECT_EQ(hangup.Ask(read).size(), 6u);
    EXPECT_FALSE(hangup.unit.HangupWanted());
    EXPECT_TRUE(hangup.Ask(read).empty());
    EXPECT_TRUE(hangup.unit.HangupWanted());
}

TEST(UnitEmulator, PieceOfARequestIsForgottenAfterAGap) {
    Bench bench(UnitOf(sim::UnitKind::Mcu));
    bench.Connect();
    bench.Feed({2, 1, 0});
    bench.Advance(Millis(150));
    const Bytes read = Request({2, 1, 0, 0, 0, 0, 0});
    EXPECT_EQ(bench.Ask(read), (Bytes{read.back(), 0, 0, 0, 0, 0}));
}

// The reports a running MCU sends after its run request.
Bytes TraceAfterRun(sim::UnitSetup setup, int reports) {
    Bench bench(setup);
    bench.Connect();
    EXPECT_EQ(bench.Ask(Request({4, 0, 0, 0, 0, 0, 0})), Bytes{4});
    Bytes trace;
    for (int i = 0; i < reports; ++i) {
        bench.Advance(setup.TraceInterval);
        const Bytes report = bench.Take();
        EXPECT_EQ(report.size(), 2u);
        trace.insert(trace.end(), report.begin(), report.end());
    }
    return trace;
}

TEST(UnitEmulator, TraceReportsMarkThePageByteOnlyForTheNewerInterface) {
    sim::UnitSetup setup = UnitOf(sim::UnitKind::Mcu, 1);
    setup.Trace = {{3, 7}, {0, 1}};
    EXPECT_EQ(TraceAfterRun(setup, 3), (Bytes{3, 7, 0, 1, 3, 7}));
    setup.InterfaceVersion = 2;
    EXPECT_EQ(TraceAfterRun(setup, 2), (Bytes{213, 7, 210, 1}));
    setup.Order = sim::TraceOrder::LineFirst;
    EXPECT_EQ(TraceAfterRun(setup, 1), (Bytes{7, 213}));
    setup.Order = sim::TraceOrder::Alternate;
    setup.Trace = {{3, 7}};
    EXPECT_EQ(TraceAfterRun(setup, 2), (Bytes{213, 7, 7, 213}));
}

TEST(UnitEmulator, WalkThroughPageAReportsEachLineTwiceAndStartsOverAfterEndPage) {
    sim::UnitSetup setup = UnitOf(sim::UnitKind::Mcu);
    setup.Memory[2] = {12, 0, 0, 0};
    EXPECT_EQ(TraceAfterRun(setup, 7), (Bytes{1, 0, 1, 0, 1, 1, 1, 1, 1, 2, 1, 2, 1, 0}));
}

TEST(UnitEmulator, RunningMcuHearsNoFurtherRequests) {
    Bench bench(UnitOf(sim::UnitKind::Mcu));
    bench.Connect();
    bench.Ask(Request({4, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(bench.unit.Running());
    EXPECT_TRUE(bench.Ask(Request({2, 1, 0, 0, 0, 0, 0})).empty());
}

sim::UnitSetup PpSetup(sim::PpExchange exchange) {
    sim::UnitSetup setup = UnitOf(sim::UnitKind::Pp);
    setup.Exchange = exchange;
    setup.PpStartDelay = Millis(300);
    for (int r = 0; r < static_cast<int>(setup.Memory.size()); ++r)
        setup.Memory[r] = {static_cast<uint8_t>(r), 1, 2, static_cast<uint8_t>(r >> 8)};
    return setup;
}

TEST(UnitEmulator, PocketProgrammerSendsEveryLineAfterTheQuietStartAndMovesOnWithEachEcho) {
    Bench bench(PpSetup(sim::PpExchange::Send));
    bench.Connect();
    bench.Advance(Millis(290));
    EXPECT_TRUE(bench.Take().empty()) << "started before the quiet time";
    bench.Advance(Millis(20));
    const std::vector<comm::WireLine>& span = comm::TransferSpan();
    for (std::size_t i = 0; i < span.size(); ++i) {
        const int r = sim::RecordOfLine(span[i].Page, span[i].Offset);
        const Bytes expected =
            Request({1, static_cast<uint8_t>(span[i].Page), static_cast<uint8_t>(span[i].Offset),
                     static_cast<uint8_t>(r), 1, 2, static_cast<uint8_t>(r >> 8)});
        ASSERT_EQ(bench.Take(), expected) << "message " << i;
        bench.Feed({expected.back()});
    }
    EXPECT_TRUE(bench.unit.Pp().Finished());
    EXPECT_EQ(bench.unit.Pp().Exchanged(), 845);
}

TEST(UnitEmulator, PocketProgrammerRepeatsAWronglyAnsweredMessageThenGivesTheLineUp) {
    sim::UnitSetup setup = PpSetup(sim::PpExchange::Send);
    setup.PpRetries = 2;
    setup.PpCorruptMessage = 0;
    Bench bench(setup);
    bench.Connect();
    bench.Advance(Millis(300));
    const Bytes first = bench.Take();
    EXPECT_EQ(first[7], static_cast<uint8_t>(comm::Sum8(first.data(), 7) + 1));
    bench.Feed({comm::Sum8(first.data(), 7)});  // the PC's own checksum: not the one sent
    const Bytes repeat = bench.Take();
    EXPECT_EQ(repeat[7], comm::Sum8(repeat.data(), 7));
    bench.Feed({0});
    EXPECT_EQ(bench.Take(), repeat);
    bench.Advance(Millis(250));  // no answer at all: the line is given up
    EXPECT_EQ(bench.Take()[2], 1) << "the next line";
    EXPECT_EQ(bench.unit.Pp().Failed(), 1);
}

TEST(UnitEmulator, PocketProgrammerPausesBeforeTheChosenMessage) {
    sim::UnitSetup setup = PpSetup(sim::PpExchange::Send);
    setup.PpPauseBefore = 1;
    setup.PpPause = Millis(600);
    Bench bench(setup);
    bench.Connect();
    bench.Advance(Millis(300));
    bench.Feed({bench.Take().back()});
    bench.Advance(Millis(590));
    EXPECT_TRUE(bench.Take().empty());
    bench.Advance(Millis(10));
    EXPECT_EQ(bench.Take().size(), 8u);
}

TEST(UnitEmulator, ReceivingPocketProgrammerAsksForEachLineAndStoresTheRightAnswers) {
    sim::UnitSetup setup = PpSetup(sim::PpExchange::Receive);
    setup.Memory = {};
    Bench bench(setup);
    bench.Connect();
    bench.Advance(Millis(300));
    const Bytes ask = bench.Take();
    EXPECT_EQ(ask, Request({2, 1, 0, 0, 0, 0, 0}));
    bench.Feed({ask.back(), 7, 8, 9, 10});
    EXPECT_EQ(bench.unit.Memory()[0], (sim::LineCode{7, 8, 9, 10}));
    const Bytes next = bench.Take();
    EXPECT_EQ(next, Request({2, 1, 1, 0, 0, 0, 0}));
    bench.Feed({static_cast<uint8_t>(next.back() + 1), 1, 1, 1, 1});
    EXPECT_EQ(bench.unit.Memory()[1], (sim::LineCode{})) << "a wrong echo's data was stored";
    EXPECT_EQ(bench.Take(), next);
}

TEST(LineAddress, PagesMapToTheirRecordsAndTheSpanHas845Lines) {
    EXPECT_EQ(sim::RecordOfLine(1, 249), 249);
    EXPECT_EQ(sim::RecordOfLine(2, 0), 300);
    EXPECT_EQ(sim::RecordOfLine(6, 93), 793);
    EXPECT_EQ(sim::RecordOfLine(7, 99), 899);
    EXPECT_EQ(sim::RecordOfLine(7, 151), -1);
    EXPECT_EQ(sim::RecordOfLine(0, 0), -1);
    EXPECT_EQ(sim::RecordOfLine(2, 100), -1);
    EXPECT_EQ(comm::TransferSpan().size(), 845u);
}

}  // namespace
