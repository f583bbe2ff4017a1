// The link session against emulated units: connection, program, panel and Pocket Programmer
// transfers, run mode, and units that garble, fall silent or drop the line.
#include <gtest/gtest.h>

#include <cerrno>
#include <memory>
#include <random>
#include <tuple>
#include <utility>

#include "app/sim/SimFiles.h"
#include "link/CimTransfer.h"
#include "link/LineAddress.h"
#include "link/LinkTexts.h"
#include "model/HardwareConfig.h"
#include "model/NewProgram.h"
#include "model/ProgramChecksum.h"
#include "tests/link/LinkBench.h"
#include "tests/support/ProgramFactory.h"

namespace {

using comm::LinkSession;
using comm::Outcome;
using linktest::LinkBench;
using linktest::UnitOf;
using S = comm::CommStateWord;
using sim::UnitKind;
namespace t = comm::texts;
using Transfer = comm::LinkResult (LinkSession::*)(model::Program&);

constexpr int kVersionRecord = 899;

// A random program as an MCU with firmware 1.30 holds it: register 100 carries the firmware
// version and the program's checksum.
model::Program UnitProgram(uint32_t seed) {
    std::mt19937 rng(seed);
    model::Program program = testsupport::RandomProgram(rng);
    program.SetRegisterByte(model::kVersionRegister, 1, 1);
    program.SetRegisterByte(model::kVersionRegister, 2, 30);
    model::StoreProgramChecksum(program);
    return program;
}

sim::UnitSetup Holding(UnitKind kind, uint32_t seed) {
    sim::UnitSetup setup = UnitOf(kind);
    setup.Memory = sim::ImageOfProgram(UnitProgram(seed));
    return setup;
}

// A bench connected to a unit, and a program in the PC as such a unit would hold it.
class LinkTest : public ::testing::Test {
  protected:
    LinkBench& Connect(const sim::UnitSetup& setup, int commSpeed = 0) {
        bench_ = std::make_unique<LinkBench>(setup);
        EXPECT_TRUE(bench_->Connect(commSpeed).Ok());
        return *bench_;
    }
    // Lines of the transfer span whose bytes differ between the program and the unit's memory.
    std::vector<int> DifferingLines() const {
        const sim::LineImage image = sim::ImageOfProgram(program);
        std::vector<int> differing;
        for (const comm::WireLine& line : comm::TransferSpan()) {
            if (image[line.Record] != bench_->unit.Memory()[line.Record])
                differing.push_back(line.Record);
        }
        return differing;
    }
    // The program as it was before the transfer, apart from the checksum a send stores first.
    bool AsItWas() const {
        model::Program now = program;
        now.Register(model::kVersionRegister).Code[3] =
            before.Register(model::kVersionRegister).Code[3];
        return now.SameContent(before) && now.PgmChanged == before.PgmChanged;
    }

    model::Program program = UnitProgram(61);
    const model::Program before = program;

  private:
    std::unique_ptr<LinkBench> bench_;
};

// No byte is lost to the change of speed at either end.
TEST_F(LinkTest, UnitAskedForHighSpeedGetsItAndResetGoesBackTo9600) {
    LinkBench& bench = Connect(UnitOf(UnitKind::Mcu, 2), 1);
    EXPECT_EQ(bench.Baud(), 19200);
    EXPECT_EQ(bench.unit.Baud(), 19200);
    EXPECT_EQ(bench.LostBytes(), 0);
    bench.link.Reset();
    EXPECT_EQ(bench.Baud(), 9600);
}

TEST(LinkConnect, SaysWhyNoUnitCame) {
    sim::UnitSetup silent = UnitOf(UnitKind::Mcu);
    silent.PowerUpDelay = std::chrono::minutes(1);
    EXPECT_EQ(LinkBench(silent).Connect(1).Result, Outcome::NoAnswer);
    sim::UnitSetup untested = UnitOf(UnitKind::Mcu, 2);
    untested.StopAfter = 1;  // the speed request is answered, the test is not
    EXPECT_EQ(LinkBench(untested).Connect(1).Result, Outcome::HighSpeedError);

    LinkBench bench(UnitOf(UnitKind::Mcu));
    EXPECT_EQ(bench.link.Connect("", 0).Message.Text, t::kPortNotSetUp);
    bench.OpenFailure = comm::CheckOf("memory", EIO, "");
    const comm::LinkResult failed = bench.link.Connect("memory", 0);
    EXPECT_EQ(failed.Result, Outcome::PortFailed);
    EXPECT_EQ(failed.Message.Title + "|" + failed.Message.Text,
              std::string("memory: Input/output error|") + t::kOpenError);
    EXPECT_EQ(bench.link.WaitForUnit(1000).Result, Outcome::NotReady);
    // A reason the user can mend is said instead.
    bench.OpenFailure = comm::CheckOf("memory", EBUSY, "");
    EXPECT_EQ(bench.link.Connect("memory", 0).Message.Text, bench.OpenFailure.Advice);
}

TEST_F(LinkTest, SendStoresTheChecksumFirstThenSendsTheLinesAndReadsRegister100Back) {
    LinkBench& bench = Connect(UnitOf(UnitKind::Mcu));
    program.Register(model::kVersionRegister).Code[3] ^= 0x5A;  // a checksum gone stale
    EXPECT_EQ(bench.link.SendProgram(program).Message.Text, t::kTransferred);
    EXPECT_EQ(program.RegisterByte(model::kVersionRegister, 3), model::ProgramChecksum(program));
    ASSERT_EQ(bench.unit.Requests().size(), 846u);
    EXPECT_EQ(bench.unit.Requests().back(), (sim::Frame{2, 7, 99, 0, 0, 0, 0, 108}));
    EXPECT_EQ(DifferingLines(), std::vector<int>{});
    EXPECT_FALSE(bench.seen.TransferVisible);
}

// Requests whose echo comes back garbled, or whose data do not add up, go again. Records
// outside the span are cleared, as are comments and page names.
TEST_F(LinkTest, ReadReplacesTheProgramByteForByte) {
    sim::UnitSetup setup = Holding(UnitKind::Mcu, 11);
    setup.CorruptEchoPercent = 5;
    LinkBench& bench = Connect(setup);
    int replies = 0;
    bench.OnAnswer = [&replies](std::vector<sim::WireByte>& answer) {
        if (answer.size() == 6 && ++replies % 100 == 0)
            answer[2].Value ^= 0x10;  // a data byte, its echo and sum as sent
    };
    program.PgmChanged = true;
    EXPECT_EQ(bench.link.ReadProgram(program).Message.Text, t::kTransferred);
    EXPECT_GT(bench.unit.Requests().size(), 845u + 10);
    EXPECT_EQ(DifferingLines(), std::vector<int>{});
    EXPECT_TRUE(program.PgmData[250].IsBlank() && program.PgmData[950].IsBlank());
    for (const model::PgmRecord& record : program.PgmData)
        ASSERT_EQ(record.Comment, "");
    EXPECT_EQ(program.PageName, decltype(program.PageName){});
    EXPECT_FALSE(program.PgmChanged);
    EXPECT_EQ(bench.seen.Replaced, 1);
}

TEST_F(LinkTest, ReadFromFirmwareBefore129ClearsBlock10AndModuleFlags) {
    const std::array<int16_t, 4> block10{4, 5, 6, 2}, cleared{0, 0, 6, 2};
    for (int minor : {28, 29}) {
        sim::UnitSetup setup = Holding(UnitKind::Mcu, 21);
        setup.FirmwareMinor = minor;
        setup.Memory[909] = {4, 5, 6, 2};                 // register 110: block 10
        setup.Memory[919][0] = setup.Memory[921][0] = 8;  // registers 120, 122: the modules
        Connect(setup).link.ReadProgram(program);
        const bool old = minor < 29;
        EXPECT_EQ(program.Register(110).Code, old ? cleared : block10);
        EXPECT_EQ(program.RegisterByte(120, 0) + program.RegisterByte(122, 0), old ? 0 : 16);
    }
}

// A read keeps what it read; a send leaves the program as it was.
TEST_F(LinkTest, ChecksumThatDoesNotMatchIsReportedWithWhatToDoAgain) {
    for (bool reading : {true, false}) {
        sim::UnitSetup setup = Holding(UnitKind::Mcu, 31);
        ++setup.Memory[kVersionRecord][3];
        LinkBench& bench = Connect(setup);
        // Sending, the MCU loses byte D of register 100 once all lines are in.
        bool lost = reading;
        bench.AfterWrite = [&lost](sim::UnitEmulator& unit) {
            if (unit.Requests().size() == 845 && !std::exchange(lost, true))
                unit.Memory()[kVersionRecord][3] ^= 0x5A;
        };
        program = before;
        const comm::LinkResult result =
            reading ? bench.link.ReadProgram(program) : bench.link.SendProgram(program);
        EXPECT_EQ(result.Result, Outcome::ChecksumError);
        ASSERT_EQ(bench.seen.Messages.size(), 1u);
        EXPECT_EQ(bench.seen.Messages[0].Text, std::string("MCU Checksum Error\nPlease ") +
                                                   (reading ? "read" : "send") +
                                                   " the program again");
        EXPECT_TRUE(reading ? DifferingLines().empty() : AsItWas());
    }
}

// Three unanswered requests in a row end a transfer, a line that drops ends it at once. Nothing
// more is sent once the link has failed, until a reset.
TEST_F(LinkTest, UnitLostMidTransferEndsItAndLeavesTheProgramAsItWas) {
    // The unit answers 300 requests (the CIM 40); then the requests written until the end.
    const std::tuple<UnitKind, Transfer, bool, std::size_t> rows[] = {
        {UnitKind::Mcu, &LinkSession::SendProgram, false, 303},
        {UnitKind::Mcu, &LinkSession::ReadProgram, true, 301},
        {UnitKind::Cim, &LinkSession::ReadTimers, false, 43},
    };
    for (const auto& [kind, transfer, hangup, requests] : rows) {
        SCOPED_TRACE(requests);
        sim::UnitSetup setup = UnitOf(kind);
        (hangup ? setup.HangupAfter : setup.StopAfter) = kind == UnitKind::Cim ? 40 : 300;
        LinkBench& bench = Connect(setup);
        const std::size_t written = bench.Written().size();
        const comm::LinkResult result = (bench.link.*transfer)(program);
        EXPECT_EQ(result.Result, hangup ? Outcome::PortFailed : Outcome::NoAnswer);
        EXPECT_NE(result.Message.Text.find(hangup ? t::kLineLost : t::kNoAnswer),
                  std::string::npos);
        EXPECT_EQ(bench.Written().size() - written, requests * 8);
        EXPECT_TRUE(AsItWas());
        EXPECT_EQ(bench.seen.Replaced + bench.seen.PanelReads, 0);
        EXPECT_FALSE(bench.seen.TransferVisible);
        EXPECT_EQ(bench.seen.Mode, t::kNotConnected);
        EXPECT_EQ((bench.link.*transfer)(program).Result, Outcome::NotReady);
    }
}

// Either stops the transfer at once, without waiting out a reply. A reset (also the programmer
// closing) ends the link as well: lblMode says so, and no message about the transfer follows.
TEST_F(LinkTest, CancelOrResetStopsATransferAndTheLinkRecovers) {
    for (bool reset : {false, true}) {
        LinkBench& bench = Connect(UnitOf(UnitKind::Mcu));
        const comm::Millis start = bench.Now();
        bench.seen.OnProgress = [&](int value) {
            if (value == 100)
                reset ? bench.link.Reset() : bench.link.Cancel();
        };
        EXPECT_EQ(bench.link.ReadProgram(program).Result, Outcome::Cancelled) << reset;
        EXPECT_LT(bench.Now() - start, LinkSession::kReplyWait) << reset;
        EXPECT_TRUE(AsItWas()) << reset;
        EXPECT_EQ(bench.link.State(), reset ? S::None : S::Mcu) << reset;
        if (reset) {
            EXPECT_TRUE(bench.seen.Messages.empty());
            EXPECT_FALSE(bench.seen.TransferVisible);
            EXPECT_EQ(bench.seen.Mode, t::kNotConnected);
        }
        bench.seen.OnProgress = nullptr;
        if (reset) {  // the unit identifies itself again once powered up again
            bench.Close();
            ASSERT_TRUE(bench.Connect().Ok());
        }
        EXPECT_TRUE(bench.link.SendProgram(program).Ok()) << reset;
    }
}

// A Pocket Programmer that never starts ends the wait; the link stays connected.
TEST_F(LinkTest, PpIsServedEveryLineItAsksForOnceItStarts) {
    for (sim::PpExchange exchange : {sim::PpExchange::Receive, sim::PpExchange::None}) {
        sim::UnitSetup setup = UnitOf(UnitKind::Pp);
        setup.Exchange = exchange;
        LinkBench& bench = Connect(setup);
        const bool starts = exchange != sim::PpExchange::None;
        EXPECT_EQ(bench.link.PpServe(program, 5000).Result,
                  starts ? Outcome::Success : Outcome::NoAnswer);
        EXPECT_EQ(bench.unit.Pp().Exchanged(), starts ? 845 : 0);
        EXPECT_EQ(DifferingLines().empty(), starts);
        EXPECT_EQ(bench.link.State(), S::Pp);
    }
}

// Message 10 comes garbled and is taken when repeated; page names and comments stay. A pause
// of 520 ms before line 101 ends the transfer before register 100 has come.
TEST_F(LinkTest, PpLinesAreTakenUntil500MillisecondsOfQuietThenTheChecksumChecked) {
    const std::tuple<int, int, int> rows[] = {{0, 499, 845}, {1, 0, 845}, {0, 520, 100}};
    for (const auto& [checksumOffset, pauseMs, stored] : rows) {
        SCOPED_TRACE(::testing::Message() << checksumOffset << " " << pauseMs);
        sim::UnitSetup setup = Holding(UnitKind::Pp, 101);
        setup.Memory[kVersionRecord][3] += checksumOffset;
        setup.Exchange = sim::PpExchange::Send;
        setup.PpCorruptMessage = 10;
        setup.PpPauseBefore = 100;
        setup.PpPause = std::chrono::milliseconds(pauseMs);
        LinkBench& bench = Connect(setup);
        model::MakeNewProgram(program);
        program.PageName[0] = "Kept";
        const bool right = checksumOffset == 0 && stored == 845;
        EXPECT_EQ(bench.link.PpTake(program, 5000).Result,
                  right ? Outcome::Success : Outcome::ChecksumError);
        EXPECT_EQ(bench.link.Receiver().Pp().Tally().Stored, stored);
        EXPECT_EQ(bench.link.Receiver().Pp().Tally().Rejected, 1);
        EXPECT_EQ(program.PageName[0], "Kept");
        EXPECT_EQ(DifferingLines().empty(), stored == 845);
    }
}

TEST(CimFields, TextsArePaddedWithBlanksOrCutTo16AndReadWithoutTrailingBlanks) {
    const auto pump = comm::TextField("Pump"), cut = comm::TextField("A name longer than sixteen");
    EXPECT_EQ(std::string(pump.begin(), pump.end()), "Pump            ");
    EXPECT_EQ(std::string(cut.begin(), cut.end()), "A name longer th");
    EXPECT_EQ(comm::FieldText(pump), "Pump");
    EXPECT_EQ(comm::FieldText(comm::TextField(" ")), "");
}

// Names and message texts go as 16-character fields, so only what those hold comes back.
TEST_F(LinkTest, TimerAndCounterSettingsRoundTripAtTheCimsAddresses) {
    LinkBench& bench = Connect(UnitOf(UnitKind::Cim));
    const auto fit = [](std::string& text) { text = comm::FieldText(comm::TextField(text)); };
    for (model::PanelTables* tables : {&program.Tmr, &program.Ctr}) {
        for (model::PanelEntry& entry : tables->Data)
            fit(entry.Name);
        for (model::PanelMessage& message : tables->Msg) {
            fit(message.Top);
            fit(message.Bottom);
        }
    }
    EXPECT_EQ(bench.link.SendTimers(program).Message.Text, t::kTimerSent);
    const std::vector<uint8_t>& memory = bench.unit.ModuleMemory();
    EXPECT_EQ(memory[16], program.Tmr.Data[0].Words[0]);  // an entry's words follow its name
    EXPECT_EQ(memory[31], program.Tmr.Data[0].Words[15]);
    EXPECT_EQ(memory[0x02C0], comm::TextField(program.Tmr.Msg[14].Top)[0]);  // message 15
    for (int a = 0x02E0; a < 0x0400; ++a)
        ASSERT_EQ(memory[a], 0) << "address " << a;
    EXPECT_EQ(memory[0x0403], program.Tmr.Panel[3]);
    model::Program read;
    EXPECT_EQ(bench.link.ReadTimers(read).Message.Text, t::kTimerRead);
    EXPECT_TRUE(read.Tmr == program.Tmr);
    EXPECT_EQ(read.RegisterByte(120, 0) + read.RegisterByte(122, 0), 8);
    EXPECT_TRUE(read.PgmChanged) << "read panels make the program differ from its file";
    EXPECT_EQ(bench.seen.PanelReads, 1);
    // Each way, four blocks each for an entry's name and words, eight per message, one for the
    // panel words.
    EXPECT_EQ(bench.unit.Requests().size(), 2 * (8u * 8 + 15u * 8 + 1));

    EXPECT_EQ(bench.link.SendCounters(program).Message.Text, t::kCounterSent);
    EXPECT_EQ(bench.link.ReadCounters(read).Message.Text, t::kCounterRead);
    EXPECT_TRUE(read.Ctr == program.Ctr);
    EXPECT_EQ(read.RegisterByte(122, 0), 8);
}

// The MCU holds the program or another: it runs at once with the trace on, or the user is
// asked; declined, nothing is sent; accepted, it runs without trace.
TEST_F(LinkTest, RunsTracedWhenTheChecksumsMatchAndAsksOtherwise) {
    const std::tuple<bool, bool, S> rows[] = {
        {true, false, S::Run}, {false, false, S::Mcu}, {false, true, S::XRun}};
    for (const auto& [same, answer, state] : rows) {
        SCOPED_TRACE(::testing::Message() << same << answer);
        sim::UnitSetup setup = UnitOf(UnitKind::Mcu);
        if (same)
            setup.Memory = sim::ImageOfProgram(program);
        LinkBench& bench = Connect(setup);
        bench.seen.Answer = answer;
        const comm::LinkResult ran = bench.link.Run(program);
        const bool runs = state != S::Mcu;
        EXPECT_EQ(ran.Result, runs ? Outcome::Success : Outcome::Declined);
        EXPECT_EQ(ran.Message.Text, runs ? "" : t::kRunDeclined);
        ASSERT_EQ(bench.seen.Questions.size(), same ? 0u : 1u);
        EXPECT_TRUE(same || bench.seen.Questions[0].Text == t::kRunMismatch);
        EXPECT_EQ(bench.unit.Running(), runs);
        EXPECT_EQ(bench.link.State(), state);
        EXPECT_EQ(bench.seen.Transfer == t::kRunningProgram, runs);
        bench.link.Stop();
        EXPECT_EQ(bench.link.State(), S::None);
    }
}

}  // namespace
