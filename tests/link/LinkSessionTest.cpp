// The link session against emulated units: connection, program, panel and Pocket Programmer
// transfers, run mode, and units that garble, fall silent or drop the line.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <utility>

#include "app/sim/SimFiles.h"
#include "model/HardwareConfig.h"
#include "link/CimTransfer.h"
#include "link/LineAddress.h"
#include "link/LinkTexts.h"
#include "model/NewProgram.h"
#include "model/ProgramChecksum.h"
#include "tests/link/LinkBench.h"
#include "tests/support/ProgramFactory.h"

namespace {

using comm::Outcome;
using linktest::LinkBench;
using linktest::UnitOf;
using S = comm::CommStateWord;
using sim::UnitKind;
namespace t = comm::texts;

constexpr int kVersionRecord = 899;

// Lines of the transfer span whose bytes differ between the program and the unit's memory.
// The firmware version bytes of register 100 belong to the unit and are left out.
std::vector<int> DifferingLines(const model::Program& program, const sim::LineImage& memory) {
    sim::LineImage image = sim::ImageOfProgram(program);
    image[kVersionRecord][1] = memory[kVersionRecord][1];
    image[kVersionRecord][2] = memory[kVersionRecord][2];
    std::vector<int> differing;
    for (const comm::WireLine& line : comm::TransferSpan()) {
        if (image[line.Record] != memory[line.Record])
            differing.push_back(line.Record);
    }
    return differing;
}

// Records that differ between two programs, apart from register 100, which a send stamps with
// the checksum.
std::vector<int> ChangedRecords(const model::Program& now, const model::Program& before) {
    std::vector<int> changed;
    for (int r = 0; r < model::kRecordCount; ++r) {
        if (r != kVersionRecord && now.PgmData[r] != before.PgmData[r])
            changed.push_back(r);
    }
    return changed;
}

std::unique_ptr<model::Program> RandomProgram(uint32_t seed) {
    std::mt19937 rng(seed);
    return std::make_unique<model::Program>(testsupport::RandomProgram(rng));
}

// A unit of kind holding a random program as an MCU with firmware 1.30 holds it, its checksum
// stored.
sim::UnitSetup Holding(UnitKind kind, uint32_t seed) {
    auto program = RandomProgram(seed);
    program->SetRegisterByte(model::kVersionRegister, 1, 1);
    program->SetRegisterByte(model::kVersionRegister, 2, 30);
    model::StoreProgramChecksum(*program);
    sim::UnitSetup setup = UnitOf(kind);
    setup.Memory = sim::ImageOfProgram(*program);
    return setup;
}

std::size_t CountRequests(const sim::UnitEmulator& unit, uint8_t command) {
    std::size_t count = 0;
    for (const sim::Frame& frame : unit.Requests())
        count += frame[0] == command;
    return count;
}

// --- Connection ---

TEST(LinkConnect, EachUnitConnectsAtTheSpeedAskedWhenItHasTheNewerInterface) {
    const struct {
        UnitKind kind;
        int version;
        int commSpeed;
        int baud;
        S state;
    } rows[] = {
        {UnitKind::Mcu, 1, 1, 9600, S::Mcu},  {UnitKind::Mcu, 2, 0, 9600, S::Mcu},
        {UnitKind::Mcu, 2, 1, 19200, S::Mcu}, {UnitKind::Pp, 2, 1, 19200, S::Pp},
        {UnitKind::Cim, 2, 1, 19200, S::Cim},
    };
    for (const auto& row : rows) {
        LinkBench bench(UnitOf(row.kind, row.version));
        EXPECT_TRUE(bench.Connect(row.commSpeed).Ok());
        EXPECT_EQ(bench.link.State(), row.state);
        EXPECT_EQ(bench.port.Baud(), row.baud);
        EXPECT_EQ(bench.unit.Baud(), row.baud);
        EXPECT_EQ(bench.port.LostBytes(), 0);
    }
}

TEST(LinkConnect, WaitForUnitSaysWhyNoUnitCameAndResetStartsAgainAt9600) {
    const struct {
        int version;
        int stopAfter;
        int powerUpMs;
        Outcome outcome;
        S state;
    } rows[] = {
        {1, -1, 60000, Outcome::NoAnswer, S::None},  // a silent line
        {2, 1, 5, Outcome::HighSpeedError, S::Err},  // the high-speed test unanswered
    };
    for (const auto& row : rows) {
        sim::UnitSetup setup = UnitOf(UnitKind::Mcu, row.version);
        setup.StopAfter = row.stopAfter;
        setup.PowerUpDelay = std::chrono::milliseconds(row.powerUpMs);
        LinkBench bench(setup);
        EXPECT_EQ(bench.Connect(1).Result, row.outcome);
        EXPECT_EQ(bench.link.State(), row.state);
        bench.link.Reset();
        EXPECT_EQ(bench.link.State(), S::None);
        EXPECT_EQ(bench.seen.Mode, t::kNotConnected);
        EXPECT_EQ(bench.port.Baud(), 9600);
    }
}

TEST(LinkConnect, NoPortAndPortThatWillNotOpen) {
    LinkBench bench(UnitOf(UnitKind::Mcu));
    EXPECT_EQ(bench.link.Connect("", 0).Message.Text, t::kPortNotSetUp);
    bench.port.OpenError = "Error 16";
    const comm::LinkResult failed = bench.link.Connect("memory", 0);
    EXPECT_EQ(failed.Result, Outcome::PortFailed);
    EXPECT_EQ(failed.Message.Title, "Error 16");
    EXPECT_EQ(failed.Message.Text, t::kOpenError);
    EXPECT_EQ(bench.link.State(), S::Err);
    EXPECT_EQ(bench.link.WaitForUnit(1000).Result, Outcome::NotReady);
}

// --- Program transfers ---

TEST(LinkMcu, SendStoresTheChecksumFirstAndSends845Lines) {
    LinkBench bench(UnitOf(UnitKind::Mcu));
    ASSERT_TRUE(bench.Connect().Ok());
    auto program = RandomProgram(7);
    const comm::LinkResult sent = bench.link.SendProgram(*program);
    EXPECT_EQ(sent.Message.Text, t::kTransferred);
    const uint8_t sum = model::ProgramChecksum(*program);
    EXPECT_EQ(program->RegisterByte(model::kVersionRegister, 3), sum);
    const auto& requests = bench.unit.Requests();
    ASSERT_EQ(requests.size(), 846u);  // 845 lines and the read of register 100
    for (std::size_t i = 0; i < 845; ++i) {
        const comm::WireLine& line = comm::TransferSpan()[i];
        ASSERT_EQ(requests[i][0], 1);
        ASSERT_EQ(std::make_pair(int(requests[i][1]), int(requests[i][2])),
                  std::make_pair(line.Page, line.Offset));
    }
    // Register 100 went out carrying the checksum computed before the first line.
    EXPECT_EQ(requests[250 + 5 * 94 + 99][6], sum);
    EXPECT_EQ(requests.back(), (sim::Frame{2, 7, 99, 0, 0, 0, 0, 108}));
    EXPECT_EQ(DifferingLines(*program, bench.unit.Memory()), std::vector<int>{});
    EXPECT_FALSE(bench.seen.TransferVisible);
}

// Through garbled echoes too: the requests they answer go again.
TEST(LinkMcu, ReadReplacesTheProgramByteForByte) {
    sim::UnitSetup setup = Holding(UnitKind::Mcu, 11);
    setup.CorruptEchoPercent = 5;
    LinkBench bench(setup);
    ASSERT_TRUE(bench.Connect().Ok());
    auto program = RandomProgram(12);
    program->PgmChanged = true;
    const comm::LinkResult read = bench.link.ReadProgram(*program);
    EXPECT_EQ(read.Message.Text, t::kTransferred);
    EXPECT_GT(CountRequests(bench.unit, 2), 845u + 10);
    EXPECT_EQ(DifferingLines(*program, bench.unit.Memory()), std::vector<int>{});
    // Records outside the span are cleared, as are comments and page names.
    EXPECT_TRUE(program->PgmData[250].IsBlank());
    EXPECT_TRUE(program->PgmData[950].IsBlank());
    for (const model::PgmRecord& record : program->PgmData)
        ASSERT_EQ(record.Comment, "");
    EXPECT_EQ(program->PageName, decltype(program->PageName){});
    EXPECT_FALSE(program->PgmChanged);
    EXPECT_EQ(bench.seen.Replaced, 1);
}

TEST(LinkMcu, ReadReplyWhoseDataDoNotAddUpIsAskedForAgain) {
    LinkBench bench(Holding(UnitKind::Mcu, 13));
    ASSERT_TRUE(bench.Connect().Ok());
    int replies = 0;
    bench.port.OnAnswer = [&replies](std::vector<sim::WireByte>& answer) {
        if (answer.size() == 6 && ++replies == 100)
            answer[2].Value ^= 0x10;  // a data byte of line 100, its echo and sum as sent
    };
    model::Program program;
    EXPECT_TRUE(bench.link.ReadProgram(program).Ok());
    EXPECT_EQ(CountRequests(bench.unit, 2), 845u + 1);
    EXPECT_EQ(DifferingLines(program, bench.unit.Memory()), std::vector<int>{});
}

TEST(LinkMcu, ReadFromFirmwareBefore129ClearsBlock10AndModuleFlags) {
    const std::array<int16_t, 4> block10{4, 5, 6, 2}, cleared{0, 0, 6, 2};
    for (int minor : {28, 29}) {
        sim::UnitSetup setup = Holding(UnitKind::Mcu, 21);
        setup.FirmwareMinor = minor;
        setup.Memory[909] = {4, 5, 6, 2};                 // register 110: block 10
        setup.Memory[919][0] = setup.Memory[921][0] = 8;  // registers 120, 122: the modules
        LinkBench bench(setup);
        ASSERT_TRUE(bench.Connect().Ok());
        model::Program program;
        bench.link.ReadProgram(program);
        const bool old = minor < 29;
        EXPECT_EQ(program.Register(110).Code, old ? cleared : block10) << minor;
        EXPECT_EQ(program.RegisterByte(120, 0), old ? 0 : 8) << minor;
        EXPECT_EQ(program.RegisterByte(122, 0), old ? 0 : 8) << minor;
    }
}

TEST(LinkMcu, ReadWithAWrongStoredChecksumReportsItAndKeepsWhatWasRead) {
    sim::UnitSetup setup = Holding(UnitKind::Mcu, 31);
    ++setup.Memory[kVersionRecord][3];
    LinkBench bench(setup);
    ASSERT_TRUE(bench.Connect().Ok());
    model::Program program;
    const comm::LinkResult read = bench.link.ReadProgram(program);
    EXPECT_EQ(read.Result, Outcome::ChecksumError);
    ASSERT_EQ(bench.seen.Messages.size(), 1u);
    EXPECT_EQ(bench.seen.Messages[0].Text, "MCU Checksum Error\nPlease read the program again");
    EXPECT_EQ(DifferingLines(program, bench.unit.Memory()), std::vector<int>{});
}

TEST(LinkMcu, SendWhoseStoredChecksumComesBackWrongReportsIt) {
    LinkBench bench(UnitOf(UnitKind::Mcu));
    ASSERT_TRUE(bench.Connect().Ok());
    // The MCU loses byte D of register 100 once all lines are in.
    bool lost = false;
    bench.port.AfterWrite = [&lost](sim::UnitEmulator& unit) {
        if (unit.Requests().size() == 845 && !std::exchange(lost, true))
            unit.Memory()[kVersionRecord][3] ^= 0x5A;
    };
    auto program = RandomProgram(41);
    const model::Program before = *program;
    const comm::LinkResult sent = bench.link.SendProgram(*program);
    EXPECT_EQ(sent.Result, Outcome::ChecksumError);
    EXPECT_EQ(sent.Message.Text, "MCU Checksum Error\nPlease send the program again");
    EXPECT_EQ(ChangedRecords(*program, before), std::vector<int>{});
}

// Three unanswered requests in a row end a transfer; so does a line that drops.
TEST(LinkMcu, UnitLostMidTransferEndsItAtOnceAndLeavesTheProgramAsItWas) {
    const struct {
        bool reading;
        bool hangup;
        Outcome outcome;
        std::size_t requests;  // written; the unit answers 300
    } rows[] = {
        {false, false, Outcome::NoAnswer, 300 + 3},
        {true, false, Outcome::NoAnswer, 300 + 3},
        {true, true, Outcome::PortFailed, 300 + 1},
    };
    for (const auto& row : rows) {
        sim::UnitSetup setup = UnitOf(UnitKind::Mcu);
        (row.hangup ? setup.HangupAfter : setup.StopAfter) = 300;
        LinkBench bench(setup);
        ASSERT_TRUE(bench.Connect().Ok());
        auto program = RandomProgram(61);
        const model::Program before = *program;
        const std::size_t written = bench.port.Written().size();
        const comm::LinkResult result =
            row.reading ? bench.link.ReadProgram(*program) : bench.link.SendProgram(*program);
        EXPECT_EQ(result.Result, row.outcome);
        EXPECT_NE(result.Message.Text.find(t::kNoAnswer), std::string::npos);
        EXPECT_EQ(bench.port.Written().size() - written, row.requests * 8);
        EXPECT_EQ(ChangedRecords(*program, before), std::vector<int>{});
        EXPECT_EQ(bench.seen.Replaced, 0);
        EXPECT_FALSE(bench.seen.TransferVisible);
        EXPECT_EQ(bench.seen.Mode, t::kNotConnected);
        // Nothing more is sent once the link has failed, until a reset.
        EXPECT_EQ(bench.link.SendProgram(*program).Result, Outcome::NotReady);
    }
}

TEST(LinkMcu, CancelStopsATransferAndTheLinkStaysUsable) {
    for (bool reading : {false, true}) {
        LinkBench bench(UnitOf(UnitKind::Mcu));
        ASSERT_TRUE(bench.Connect().Ok());
        auto program = RandomProgram(81);
        const model::Program before = *program;
        bench.seen.OnProgress = [&](int value) {
            if (value == 100)
                bench.link.Cancel();
        };
        const comm::LinkResult result =
            reading ? bench.link.ReadProgram(*program) : bench.link.SendProgram(*program);
        EXPECT_EQ(result.Result, Outcome::Cancelled);
        EXPECT_LT(bench.unit.Requests().size(), 110u);
        EXPECT_EQ(ChangedRecords(*program, before), std::vector<int>{});
        EXPECT_EQ(bench.link.State(), S::Mcu);
        bench.seen.OnProgress = nullptr;
        EXPECT_TRUE(bench.link.SendProgram(*program).Ok());
    }
}

TEST(LinkMcu, ResetDuringATransferStopsItAtOnceAndConnectRecovers) {
    LinkBench bench(UnitOf(UnitKind::Mcu));
    ASSERT_TRUE(bench.Connect().Ok());
    auto program = RandomProgram(85);
    bench.seen.OnProgress = [&](int value) {
        if (value == 50)
            bench.link.Reset();
    };
    const comm::Millis start = bench.clock.Now();
    EXPECT_EQ(bench.link.ReadProgram(*program).Result, Outcome::Cancelled);
    EXPECT_LT(bench.clock.Now() - start, comm::LinkSession::kReplyWait);
    EXPECT_EQ(bench.link.State(), S::None);
    bench.seen.OnProgress = nullptr;
    bench.port.Close();
    EXPECT_TRUE(bench.Connect().Ok());
    EXPECT_TRUE(bench.link.SendProgram(*program).Ok());
}

// --- Pocket Programmer ---

// A Pocket Programmer that never starts ends the wait; the link stays connected.
TEST(LinkPp, ServesEveryLineThePpAsksForOnceItStarts) {
    for (sim::PpExchange exchange : {sim::PpExchange::Receive, sim::PpExchange::None}) {
        sim::UnitSetup setup = UnitOf(UnitKind::Pp);
        setup.Exchange = exchange;
        LinkBench bench(setup);
        ASSERT_TRUE(bench.Connect().Ok());
        auto program = RandomProgram(91);
        const bool starts = exchange != sim::PpExchange::None;
        EXPECT_EQ(bench.link.PpServe(*program, 5000).Result,
                  starts ? Outcome::Success : Outcome::NoAnswer);
        EXPECT_EQ(bench.unit.Pp().Exchanged(), starts ? 845 : 0);
        EXPECT_EQ(DifferingLines(*program, bench.unit.Memory()).empty(), starts);
        EXPECT_FALSE(bench.seen.TransferVisible);
        EXPECT_EQ(bench.link.State(), S::Pp);
    }
}

TEST(LinkPp, TakesThePpsLinesIncludingAfterABadMessageAndReportsAWrongChecksum) {
    for (bool matching : {true, false}) {
        sim::UnitSetup setup = Holding(UnitKind::Pp, 101);
        setup.Memory[kVersionRecord][3] += matching ? 0 : 1;
        setup.Exchange = sim::PpExchange::Send;
        setup.PpCorruptMessage = 10;
        LinkBench bench(setup);
        ASSERT_TRUE(bench.Connect().Ok());
        model::Program program;
        model::MakeNewProgram(program);
        program.PageName[0] = "Kept";
        const comm::LinkResult taken = bench.link.PpTake(program, 5000);
        EXPECT_EQ(taken.Result, matching ? Outcome::Success : Outcome::ChecksumError);
        EXPECT_EQ(bench.link.Receiver().Pp().Tally().Rejected, 1);
        EXPECT_EQ(bench.unit.Pp().Failed(), 0);
        EXPECT_EQ(DifferingLines(program, bench.unit.Memory()), std::vector<int>{});
        EXPECT_EQ(program.PageName[0], "Kept");  // a PP receive keeps names and comments
        EXPECT_EQ(bench.seen.Messages.size(), matching ? 0u : 1u);
    }
}

TEST(LinkPp, FiveHundredMillisecondsOfQuietEndTheTransfer) {
    for (int pauseMs : {400, 499, 520}) {
        sim::UnitSetup setup = Holding(UnitKind::Pp, 111);
        setup.Exchange = sim::PpExchange::Send;
        setup.PpPauseBefore = 100;
        setup.PpPause = std::chrono::milliseconds(pauseMs);
        LinkBench bench(setup);
        ASSERT_TRUE(bench.Connect().Ok());
        model::Program program;
        const comm::LinkResult taken = bench.link.PpTake(program, 5000);
        const bool oneTransfer = pauseMs < comm::PpResponder::kQuiet;
        EXPECT_EQ(bench.link.Receiver().Pp().Tally().Stored, oneTransfer ? 845 : 100) << pauseMs;
        // Ended early, register 100 has not come: the checksum cannot match.
        EXPECT_EQ(taken.Ok(), oneTransfer);
    }
}

TEST(LinkPp, ExchangeRunsWithoutACommandWaitingAsInTheWindow) {
    sim::UnitSetup setup = Holding(UnitKind::Pp, 95);
    setup.Exchange = sim::PpExchange::Send;
    LinkBench bench(setup);
    ASSERT_TRUE(bench.Connect().Ok());
    model::Program program;
    bench.link.AttachProgram(&program);
    bench.pump.Idle(30000);  // the window's event loop, servicing the link
    EXPECT_EQ(DifferingLines(program, bench.unit.Memory()), std::vector<int>{});
    EXPECT_EQ(bench.seen.Replaced, 1);
    EXPECT_TRUE(bench.seen.Messages.empty());
}

// --- CIM ---

TEST(CimFields, TextsArePaddedWithBlanksOrCutTo16AndReadWithoutTrailingBlanks) {
    const std::pair<const char*, const char*> rows[] = {
        {"Pump", "Pump            "},
        {"Twelve chars", "Twelve chars    "},
        {"A name longer than sixteen", "A name longer th"},
    };
    for (const auto& [text, field] : rows) {
        const auto bytes = comm::TextField(text);
        EXPECT_EQ(std::string(bytes.begin(), bytes.end()), field);
        EXPECT_EQ(comm::FieldText(bytes), std::string(field).substr(0, std::string(text).size()));
    }
}

TEST(LinkCim, TimerAndCounterSettingsRoundTripAtTheirAddresses) {
    for (comm::PanelKind kind : {comm::PanelKind::Timers, comm::PanelKind::Counters}) {
        const bool timers = kind == comm::PanelKind::Timers;
        LinkBench bench(UnitOf(UnitKind::Cim));
        ASSERT_TRUE(bench.Connect().Ok());
        model::Program sent;
        model::MakeNewProgram(sent);
        model::PanelTables& tables = timers ? sent.Tmr : sent.Ctr;
        tables = RandomProgram(timers ? 121 : 122)->Tmr;
        for (model::PanelEntry& entry : tables.Data)
            entry.Name = comm::FieldText(comm::TextField(entry.Name));
        for (model::PanelMessage& message : tables.Msg) {
            message.Top = comm::FieldText(comm::TextField(message.Top));
            message.Bottom = comm::FieldText(comm::TextField(message.Bottom));
        }
        const comm::LinkResult result =
            timers ? bench.link.SendTimers(sent) : bench.link.SendCounters(sent);
        EXPECT_EQ(result.Message.Text, timers ? t::kTimerSent : t::kCounterSent);
        const std::vector<uint8_t>& memory = bench.unit.ModuleMemory();
        EXPECT_EQ(memory[16], tables.Data[0].Words[0]);  // an entry's words follow its name
        EXPECT_EQ(memory[31], tables.Data[0].Words[15]);
        EXPECT_EQ(memory[0x02C0], comm::TextField(tables.Msg[14].Top)[0]);  // message 15
        for (int a = 0x02E0; a < 0x0400; ++a)
            ASSERT_EQ(memory[a], 0) << "address " << a;
        EXPECT_EQ(memory[0x0403], tables.Panel[3]);

        model::Program read;
        model::MakeNewProgram(read);
        const comm::LinkResult back =
            timers ? bench.link.ReadTimers(read) : bench.link.ReadCounters(read);
        EXPECT_EQ(back.Message.Text, timers ? t::kTimerRead : t::kCounterRead);
        EXPECT_TRUE((timers ? read.Tmr : read.Ctr) == tables);
        EXPECT_EQ(read.RegisterByte(timers ? 120 : 122, 0), 8);
        EXPECT_EQ(read.RegisterByte(timers ? 122 : 120, 0), 0);
        EXPECT_TRUE(read.PgmChanged) << "read panels make the program differ from its file";
        EXPECT_EQ(bench.seen.PanelReads, 1);
        // Four blocks each for an entry's name and words, eight per message, one for the
        // panel words.
        EXPECT_EQ(CountRequests(bench.unit, 5), 8u * 8 + 15u * 8 + 1);
        EXPECT_EQ(CountRequests(bench.unit, 6), 8u * 8 + 15u * 8 + 1);
    }
}

TEST(LinkCim, SilentMidReadLeavesThePanelsUntouched) {
    sim::UnitSetup setup = UnitOf(UnitKind::Cim);
    setup.StopAfter = 40;
    LinkBench bench(setup);
    ASSERT_TRUE(bench.Connect().Ok());
    model::Program program;
    model::MakeNewProgram(program);
    const model::Program before = program;
    EXPECT_EQ(bench.link.ReadTimers(program).Result, Outcome::NoAnswer);
    EXPECT_TRUE(program.SameContent(before));
    EXPECT_FALSE(program.PgmChanged);
}

// --- Run ---

class LinkRunTrace : public ::testing::TestWithParam<std::pair<int, sim::TraceOrder>> {};

TEST_P(LinkRunTrace, HighlightsTheReportedLineForEitherInterface) {
    model::Program program;
    model::MakeNewProgram(program);
    sim::UnitSetup setup = UnitOf(UnitKind::Mcu, GetParam().first);
    setup.Memory = sim::ImageOfProgram(program);
    setup.Trace = {{3, 7}, {3, 7}, {0, 1}, {7, 1}};
    setup.Order = GetParam().second;
    LinkBench bench(setup);
    ASSERT_TRUE(bench.Connect(0).Ok());
    // Page C on display: rows for lines 1..10 with a comment row after line 2.
    bench.link.SetTraceView({3, {1, 2, 0, 3, 4, 5, 6, 7, 8, 9, 10}, 0});
    ASSERT_TRUE(bench.link.Run(program).Ok());
    EXPECT_EQ(bench.link.State(), S::Run);
    EXPECT_EQ(bench.seen.Transfer, t::kRunningProgram);
    bench.pump.Idle(1000);
    // Offset 7 is line 8, in row 8.
    EXPECT_EQ(bench.seen.TraceRows, (std::vector<std::pair<int, int>>{{0, 8}}));
    bench.link.Stop();
    EXPECT_EQ(bench.link.State(), S::None);
}

INSTANTIATE_TEST_SUITE_P(InterfaceAndOrder, LinkRunTrace,
                         ::testing::Values(std::make_pair(1, sim::TraceOrder::PageFirst),
                                           std::make_pair(2, sim::TraceOrder::PageFirst),
                                           std::make_pair(2, sim::TraceOrder::LineFirst),
                                           std::make_pair(2, sim::TraceOrder::Alternate)));

TEST(LinkRun, MismatchDeclinedSendsNothingAndAcceptedRunsWithoutTrace) {
    for (bool accept : {false, true}) {
        sim::UnitSetup setup = UnitOf(UnitKind::Mcu);
        setup.Trace = {{1, 0}};
        LinkBench bench(setup);  // holds an empty program: checksums differ
        ASSERT_TRUE(bench.Connect().Ok());
        bench.link.SetTraceView({1, {1, 2, 3}, 0});
        model::Program program;
        model::MakeNewProgram(program);
        bench.seen.Answer = accept;
        const comm::LinkResult ran = bench.link.Run(program);
        ASSERT_EQ(bench.seen.Questions.size(), 1u);
        EXPECT_EQ(bench.seen.Questions[0].Text, t::kRunMismatch);
        EXPECT_EQ(CountRequests(bench.unit, 4), accept ? 1u : 0u);
        EXPECT_EQ(ran.Result, accept ? Outcome::Success : Outcome::Declined);
        EXPECT_EQ(ran.Message.Text, accept ? "" : t::kRunDeclined);
        EXPECT_EQ(bench.link.State(), accept ? S::XRun : S::Mcu);
        bench.pump.Idle(1000);
        EXPECT_TRUE(bench.seen.TraceRows.empty());
    }
}

}  // namespace
