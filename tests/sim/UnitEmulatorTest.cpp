// The emulator's faults and options as its users meet them, where the link's tests do not
// already run into them: a faulty first identification, the walk of page A when no trace is
// scripted, a Pocket Programmer that gives a line up, and the command line.
#include <gtest/gtest.h>

#include <iterator>
#include <sstream>
#include <tuple>

#include "app/sim/SimOptions.h"
#include "app/sim/UnitEmulator.h"

namespace {

using sim::Millis;
using Bytes = std::vector<uint8_t>;

// A unit driven on a clock of its own, powered up when made.
class Bench {
  public:
    explicit Bench(const sim::UnitSetup& setup) : unit(setup) { unit.PowerUp(now); }

    // Answers the identification rightly.
    void Connect() { Feed({Advance(Millis(60)).back()}); }
    void Feed(const Bytes& bytes) {
        for (uint8_t b : bytes)
            unit.Receive(b, now);
    }
    // Lets ms pass and returns what the unit sent meanwhile.
    Bytes Advance(Millis ms) {
        now += ms;
        unit.Tick(now);
        return Take();
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
    for (const auto& [fault, first] :
         {std::make_pair(sim::IdentFault::Checksum, Bytes{0x55, 0xF0, 0x01, 0x47}),
          std::make_pair(sim::IdentFault::Stray, Bytes{0x12})}) {
        sim::UnitSetup setup;
        setup.Fault = fault;
        Bench bench(setup);
        EXPECT_EQ(bench.Advance(Millis(60)), first);
        bench.Feed({0x46});
        EXPECT_FALSE(bench.unit.Connected());
        EXPECT_EQ(bench.Take(), (Bytes{0x55, 0xF0, 0x01, 0x46}));
        bench.Feed({0x46});
        EXPECT_TRUE(bench.unit.Connected());
    }
}

// With the newer interface the page byte is marked with 210 and comes second, or first and
// second in turn.
TEST(UnitEmulator, WithoutAScriptTheTraceWalksPageATwicePerLineAndStartsOverAfterEndPage) {
    const std::pair<sim::TraceOrder, Bytes> rows[] = {
        {sim::TraceOrder::LineFirst, {0, 211, 0, 211, 1, 211, 1, 211, 2, 211, 2, 211, 0, 211}},
        {sim::TraceOrder::Alternate, {211, 0, 0, 211, 211, 1, 1, 211, 211, 2, 2, 211, 211, 0}},
    };
    for (const auto& [order, expected] : rows) {
        sim::UnitSetup setup;
        setup.Memory[2] = {12, 0, 0, 0};
        setup.InterfaceVersion = 2;
        setup.Order = order;
        Bench bench(setup);
        bench.Connect();
        bench.Feed(Bytes{4, 0, 0, 0, 0, 0, 0, 4});
        EXPECT_EQ(bench.Take(), Bytes{4});
        Bytes trace;
        for (int i = 0; i < 7; ++i) {
            const Bytes report = bench.Advance(setup.TraceInterval);
            trace.insert(trace.end(), report.begin(), report.end());
        }
        EXPECT_EQ(trace, expected);
    }
}

// Wrong answers to a sound message bring it again as often as set, then the line is given up.
TEST(UnitEmulator, PocketProgrammerRepeatsAWronglyAnsweredMessageThenGivesTheLineUp) {
    sim::UnitSetup setup;
    setup.Kind = sim::UnitKind::Pp;
    setup.Exchange = sim::PpExchange::Send;
    setup.PpRetries = 2;
    Bench bench(setup);
    bench.Connect();
    const Bytes first = bench.Advance(setup.PpStartDelay);
    for (int retry = 0; retry < setup.PpRetries; ++retry) {
        bench.Feed({0});  // not the message's checksum
        EXPECT_EQ(bench.Take(), first) << retry;
    }
    // No answer at all: the line is given up for the next.
    EXPECT_EQ(bench.Advance(setup.PpReplyTimeout)[2], 1);
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
    EXPECT_EQ(std::tie(s.Kind, s.InterfaceVersion, s.FirmwareMajor, s.FirmwareMinor, s.Fault),
              std::make_tuple(sim::UnitKind::Cim, 2, 1, 28, sim::IdentFault::Stray));
    EXPECT_EQ(std::tie(s.CorruptEchoPercent, s.Seed, s.StopAfter, s.HangupAfter, s.TraceRepeat),
              std::make_tuple(5, 9u, 40, 50, 3));
    EXPECT_EQ(std::tie(s.PowerUpDelay, s.TraceInterval, s.PpStartDelay, s.PpPause),
              std::make_tuple(Millis(70), Millis(400), Millis(60), Millis(600)));
    EXPECT_EQ(std::tie(s.Order, s.PpRetries, s.PpCorruptMessage, s.PpPauseBefore),
              std::make_tuple(sim::TraceOrder::Alternate, 2, 5, 10));
    EXPECT_TRUE(o.Pace);
    EXPECT_EQ(o.Link + o.MemoryFile + o.DumpFile + o.TraceFile, "lmdt");

    sim::SimOptions pp;
    ASSERT_EQ(Parse("--pp-receive got.zlp", pp), "");
    EXPECT_EQ(pp.Setup.Kind, sim::UnitKind::Pp) << "a Pocket Programmer's exchange makes a PP";
    EXPECT_EQ(pp.Setup.Exchange, sim::PpExchange::Receive);
    EXPECT_EQ(pp.PpReceiveFile, "got.zlp");
}

TEST(SimOptions, ValuesTheUnitCannotUseAreRefusedWithTheReason) {
    const std::pair<const char*, std::string> rows[] = {
        {"--bogus", "unknown option '--bogus'"},
        {"--stop-after", "--stop-after needs a value"},
        {"--unit plc", "bad value 'plc' for --unit"},
        {"--corrupt-echo 101", "bad value '101' for --corrupt-echo"},
        {"--firmware 1", "bad value '1' for --firmware"},
        {"--trace-interval 0", "bad value '0' for --trace-interval"},
        {"--unit mcu --pp-send p.zlp", "--pp-send and --pp-receive are for --unit pp"},
    };
    for (const auto& [args, error] : rows) {
        sim::SimOptions options;
        EXPECT_EQ(Parse(args, options), error);
    }
}

}  // namespace
