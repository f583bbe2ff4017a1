// The emulator's faults and options as its users meet them, where the link's tests do not
// already run into them: a faulty first identification, the walk of page A when no trace is
// scripted, a Pocket Programmer that gives a line up, and the command line.
#include <gtest/gtest.h>

#include <iterator>
#include <sstream>

#include "app/sim/SimOptions.h"
#include "app/sim/UnitEmulator.h"
#include "link/Frames.h"

namespace {

using sim::Millis;
using Bytes = std::vector<uint8_t>;

// A unit driven on a clock of its own, powered up when made.
class Bench {
  public:
    explicit Bench(const sim::UnitSetup& setup) : unit(setup) { unit.PowerUp(now); }

    // Answers the identification rightly.
    void Connect() {
        Advance(Millis(60));
        Feed({Take().back()});
    }
    void Feed(const Bytes& bytes) {
        for (uint8_t b : bytes)
            unit.Receive(b, now);
    }
    void Advance(Millis ms) {
        now += ms;
        unit.Tick(now);
    }
    Bytes Take() {
        Bytes values;
        for (const sim::WireByte& b : unit.TakeOutput())
            values.push_back(b.Value);
        return values;
    }

    sim::UnitEmulator unit;
    sim::Time now = sim::Time{} + std::chrono::hours(1);
};

TEST(UnitEmulator, FaultyIdentificationComesFirstAndTheValidOneAfterTheAnswer) {
    const struct {
        sim::IdentFault fault;
        Bytes first;
    } rows[] = {{sim::IdentFault::Checksum, {0x55, 0xF0, 0x01, 0x47}},
                {sim::IdentFault::Stray, {0x12}}};
    for (const auto& row : rows) {
        sim::UnitSetup setup;
        setup.Fault = row.fault;
        Bench bench(setup);
        bench.Advance(Millis(60));
        EXPECT_EQ(bench.Take(), row.first);
        bench.Feed({0x46});
        EXPECT_FALSE(bench.unit.Connected());
        EXPECT_EQ(bench.Take(), (Bytes{0x55, 0xF0, 0x01, 0x46}));
        bench.Feed({0x46});
        EXPECT_TRUE(bench.unit.Connected());
    }
}

TEST(UnitEmulator, WithoutAScriptTheTraceWalksPageATwicePerLineAndStartsOverAfterEndPage) {
    sim::UnitSetup setup;
    setup.Memory[2] = {12, 0, 0, 0};
    Bench bench(setup);
    bench.Connect();
    bench.Feed(Bytes{4, 0, 0, 0, 0, 0, 0, 4});
    EXPECT_EQ(bench.Take(), Bytes{4});
    Bytes trace;
    for (int i = 0; i < 7; ++i) {
        bench.Advance(setup.TraceInterval);
        const Bytes report = bench.Take();
        trace.insert(trace.end(), report.begin(), report.end());
    }
    EXPECT_EQ(trace, (Bytes{1, 0, 1, 0, 1, 1, 1, 1, 1, 2, 1, 2, 1, 0}));
}

TEST(UnitEmulator, PocketProgrammerRepeatsAWronglyAnsweredMessageThenGivesTheLineUp) {
    sim::UnitSetup setup;
    setup.Kind = sim::UnitKind::Pp;
    setup.Exchange = sim::PpExchange::Send;
    setup.PpRetries = 2;
    setup.PpCorruptMessage = 0;
    Bench bench(setup);
    bench.Connect();
    bench.Advance(setup.PpStartDelay);
    const Bytes first = bench.Take();
    EXPECT_EQ(first[7], static_cast<uint8_t>(comm::Sum8(first.data(), 7) + 1));
    bench.Feed({comm::Sum8(first.data(), 7)});  // the PC's own checksum: not the one sent
    const Bytes repeat = bench.Take();
    EXPECT_EQ(repeat[7], comm::Sum8(repeat.data(), 7));
    bench.Feed({0});
    EXPECT_EQ(bench.Take(), repeat);
    bench.Advance(setup.PpReplyTimeout);  // no answer at all: the line is given up
    EXPECT_EQ(bench.Take()[2], 1) << "the next line";
    EXPECT_EQ(bench.unit.Pp().Failed(), 1);
}

// Reads options from a command line of blank-separated words.
std::string Parse(const std::string& line, sim::SimOptions& options) {
    std::istringstream words(line);
    return sim::ParseSimOptions({std::istream_iterator<std::string>(words), {}}, options);
}

TEST(SimOptions, EveryOptionReachesTheUnit) {
    sim::SimOptions o;
    ASSERT_EQ(Parse("--unit cim --interface-version 2 --firmware 1.28 --ident-fault stray "
                    "--power-up-delay 70 --corrupt-echo 5 --seed 9 --stop-after 40 "
                    "--hangup-after 50 --trace-order alternate --trace-repeat 3 "
                    "--trace-interval 400 --pp-start-delay 60 --pp-retries 2 --pp-corrupt 5 "
                    "--pp-pause 10:600 --pace --link l --memory m --dump d --trace t",
                    o),
              "");
    const sim::UnitSetup& s = o.Setup;
    EXPECT_EQ(s.Kind, sim::UnitKind::Cim);
    EXPECT_EQ(s.InterfaceVersion, 2);
    EXPECT_EQ(std::make_pair(s.FirmwareMajor, s.FirmwareMinor), std::make_pair(1, 28));
    EXPECT_EQ(s.Fault, sim::IdentFault::Stray);
    EXPECT_EQ(s.PowerUpDelay, Millis(70));
    EXPECT_EQ(std::make_pair(s.CorruptEchoPercent, s.Seed), std::make_pair(5, 9u));
    EXPECT_EQ(std::make_pair(s.StopAfter, s.HangupAfter), std::make_pair(40, 50));
    EXPECT_EQ(s.Order, sim::TraceOrder::Alternate);
    EXPECT_EQ(s.TraceRepeat, 3);
    EXPECT_EQ(s.TraceInterval, Millis(400));
    EXPECT_EQ(s.PpStartDelay, Millis(60));
    EXPECT_EQ(std::make_pair(s.PpRetries, s.PpCorruptMessage), std::make_pair(2, 5));
    EXPECT_EQ(std::make_pair(s.PpPauseBefore, s.PpPause), std::make_pair(10, Millis(600)));
    EXPECT_TRUE(o.Pace);
    EXPECT_EQ(o.Link + o.MemoryFile + o.DumpFile + o.TraceFile, "lmdt");

    sim::SimOptions pp;
    ASSERT_EQ(Parse("--pp-receive got.zlp", pp), "");
    EXPECT_EQ(pp.Setup.Kind, sim::UnitKind::Pp) << "a Pocket Programmer's exchange makes a PP";
    EXPECT_EQ(pp.Setup.Exchange, sim::PpExchange::Receive);
    EXPECT_EQ(pp.PpReceiveFile, "got.zlp");
}

TEST(SimOptions, ValuesTheUnitCannotUseAreRefusedWithTheReason) {
    const struct {
        const char* args;
        std::string error;
    } rows[] = {
        {"--bogus", "unknown option '--bogus'"},
        {"--stop-after", "--stop-after needs a value"},
        {"--unit plc", "bad value 'plc' for --unit"},
        {"--corrupt-echo 101", "bad value '101' for --corrupt-echo"},
        {"--firmware 1", "bad value '1' for --firmware"},
        {"--trace-interval 0", "bad value '0' for --trace-interval"},
        {"--unit mcu --pp-send p.zlp", "--pp-send and --pp-receive are for --unit pp"},
    };
    for (const auto& row : rows) {
        sim::SimOptions options;
        EXPECT_EQ(Parse(row.args, options), row.error);
    }
}

}  // namespace
