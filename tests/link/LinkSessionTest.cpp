// The link session against emulated units: connection, program, panel and Pocket Programmer
// transfers, run mode, and units that garble, fall silent or drop the line.
#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "app/sim/SimFiles.h"
#include "hardware/HardwareConfig.h"
#include "link/CimTransfer.h"
#include "link/LineAddress.h"
#include "link/LinkTexts.h"
#include "model/NewProgram.h"
#include "model/ProgramChecksum.h"
#include "tests/link/LinkBench.h"
#include "tests/support/ProgramFactory.h"

namespace {

using comm::CommStateWord;
using comm::Outcome;
using linktest::LinkBench;
using linktest::UnitOf;
using sim::UnitKind;

constexpr int kVersionRecord = 899;

// Lines of the transfer span whose bytes differ between the program and the unit's memory.
// The firmware version bytes of register 100 belong to the unit and are left out.
std::vector<int> DifferingLines(const model::Program& program, const sim::LineImage& memory) {
    std::vector<int> differing;
    for (const comm::WireLine& line : comm::TransferSpan()) {
        for (int i = 0; i < 4; ++i) {
            if (line.Record == kVersionRecord && (i == 1 || i == 2))
                continue;
            if (program.PgmData[line.Record].Code[i] != memory[line.Record][i]) {
                differing.push_back(line.Record);
                break;
            }
        }
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

// A random program as an MCU with firmware 1.30 holds it, its checksum stored.
std::unique_ptr<model::Program> HeldProgram(uint32_t seed) {
    auto program = RandomProgram(seed);
    program->SetRegisterByte(hardware::kVersionRegister, 1, 1);
    program->SetRegisterByte(hardware::kVersionRegister, 2, 30);
    model::StoreProgramChecksum(*program);
    return program;
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
        CommStateWord state;
    } rows[] = {
        {UnitKind::Mcu, 1, 1, 9600, CommStateWord::Mcu},
        {UnitKind::Mcu, 2, 0, 9600, CommStateWord::Mcu},
        {UnitKind::Mcu, 2, 1, 19200, CommStateWord::Mcu},
        {UnitKind::Pp, 2, 1, 19200, CommStateWord::Pp},
        {UnitKind::Cim, 2, 1, 19200, CommStateWord::Cim},
    };
    for (const auto& row : rows) {
        LinkBench bench(UnitOf(row.kind, row.version));
        const comm::LinkResult connected = bench.Connect(row.commSpeed);
        EXPECT_TRUE(connected.Ok()) << connected.Message.Text;
        EXPECT_EQ(bench.link.State(), row.state);
        EXPECT_EQ(bench.port.Baud(), row.baud);
        EXPECT_EQ(bench.unit.Baud(), row.baud);
        EXPECT_EQ(bench.port.LostBytes(), 0);
    }
}

TEST(LinkConnect, WaitForUnitSaysWhyNoUnitCameAndResetStartsAgainAt9600) {
    const struct {
        const char* edge;
        int version;
        int stopAfter;
        int powerUpMs;
        Outcome outcome;
        CommStateWord state;
    } rows[] = {
        {"silent line", 1, -1, 60000, Outcome::NoAnswer, CommStateWord::None},
        {"high-speed test unanswered", 2, 1, 5, Outcome::HighSpeedError, CommStateWord::Err},
    };
    for (const auto& row : rows) {
        sim::UnitSetup setup = UnitOf(UnitKind::Mcu, row.version);
        setup.StopAfter = row.stopAfter;
        setup.PowerUpDelay = std::chrono::milliseconds(row.powerUpMs);
        LinkBench bench(setup);
        EXPECT_EQ(bench.Connect(1).Result, row.outcome) << row.edge;
        EXPECT_EQ(bench.link.State(), row.state) << row.edge;
        bench.link.Reset();
        EXPECT_EQ(bench.link.State(), CommStateWord::None) << row.edge;
        EXPECT_EQ(bench.seen.Mode, comm::texts::kNotConnected) << row.edge;
        EXPECT_EQ(bench.port.Baud(), 9600) << row.edge;
    }
}

TEST(LinkConnect, NoPortAndPortThatWillNotOpen) {
    LinkBench bench(UnitOf(UnitKind::Mcu));
    EXPECT_EQ(bench.link.Connect("", 0).Message.Text, comm::texts::kPortNotSetUp);
    bench.port.OpenError = "Error 16";
    const comm::LinkResult failed = bench.link.Connect("memory", 0);
    EXPECT_EQ(failed.Result, Outcome::PortFailed);
    EXPECT_EQ(failed.Message.Title, "Error 16");
    EXPECT_EQ(failed.Message.Text, comm::texts::kOpenError);
    EXPECT_EQ(bench.link.State(), CommStateWord::Err);
    EXPECT_EQ(bench.link.WaitForUnit(1000).Result, Outcome::NotReady);
}

// --- Program transfers ---

TEST(LinkMcu, SendStoresTheChecksumFirstAndSends845Lines) {
    LinkBench bench(UnitOf(UnitKind::Mcu));
    ASSERT_TRUE(bench.Connect().Ok());
    auto program = RandomProgram(7);
    const comm::LinkResult sent = bench.link.SendProgram(*program);
    EXPECT_TRUE(sent.Ok());
    EXPECT_EQ(sent.Message.Text, comm::texts::kTransferred);
    const uint8_t sum = model::ProgramChecksum(*program);
    EXPECT_EQ(program->RegisterByte(hardware::kVersionRegister, 3), sum);

    const auto& requests = bench.unit.Requests();
    ASSERT_EQ(requests.size(), 846u);  // 845 lines and the read of register 100
    for (std::size_t i = 0; i < 845; ++i) {
        const comm::WireLine& line = comm::TransferSpan()[i];
        ASSERT_EQ(requests[i][0], 1);
        ASSERT_EQ(requests[i][1], line.Page);
        ASSERT_EQ(requests[i][2], line.Offset);
    }
    // Register 100 went out carrying the checksum computed before the first line.
    EXPECT_EQ(requests[250 + 5 * 94 + 99][6], sum);
    EXPECT_EQ(requests.back(), (sim::Frame{2, 7, 99, 0, 0, 0, 0, 108}));
    EXPECT_EQ(DifferingLines(*program, bench.unit.Memory()), std::vector<int>{});
    EXPECT_FALSE(bench.seen.TransferVisible);
}

TEST(LinkMcu, ReadReplacesTheProgramByteForByte) {
    auto held = HeldProgram(11);
    sim::UnitSetup setup = UnitOf(UnitKind::Mcu);
    setup.Memory = sim::ImageOfProgram(*held);
    LinkBench bench(setup);
    ASSERT_TRUE(bench.Connect().Ok());
    auto program = RandomProgram(12);
    program->PgmChanged = true;
    const comm::LinkResult read = bench.link.ReadProgram(*program);
    EXPECT_TRUE(read.Ok()) << read.Message.Text;
    EXPECT_EQ(read.Message.Text, comm::texts::kTransferred);
    EXPECT_EQ(CountRequests(bench.unit, 2), 845u);
    EXPECT_EQ(DifferingLines(*program, bench.unit.Memory()), std::vector<int>{});
    // Records outside the span are cleared, as are comments and page names.
    EXPECT_TRUE(program->PgmData[250].IsBlank());
    EXPECT_TRUE(program->PgmData[950].IsBlank());
    for (const model::PgmRecord& record : program->PgmData)
        ASSERT_EQ(record.Comment, "");
    for (const std::string& name : program->PageName)
        EXPECT_EQ(name, "");
    EXPECT_FALSE(program->PgmChanged);
    EXPECT_EQ(bench.seen.Replaced, 1);
}

TEST(LinkMcu, OldFirmwareReadClearsBlock10AndModuleFlags) {
    const struct {
        int minor;
        bool cleared;
    } rows[] = {{28, true}, {29, false}};
    for (const auto& row : rows) {
        auto held = HeldProgram(21);
        held->SetRegisterByte(110, 0, 4);
        held->SetRegisterByte(110, 1, 5);
        held->SetRegisterByte(120, 0, 8);
        held->SetRegisterByte(122, 0, 8);
        sim::UnitSetup setup = UnitOf(UnitKind::Mcu);
        setup.FirmwareMinor = row.minor;
        setup.Memory = sim::ImageOfProgram(*held);
        LinkBench bench(setup);
        ASSERT_TRUE(bench.Connect().Ok());
        model::Program program;
        bench.link.ReadProgram(program);
        EXPECT_EQ(program.RegisterByte(100, 2), row.minor);
        const int a110 = row.cleared ? 0 : 4;
        EXPECT_EQ(program.RegisterByte(110, 0), a110) << "minor " << row.minor;
        EXPECT_EQ(program.RegisterByte(110, 1), row.cleared ? 0 : 5);
        EXPECT_EQ(program.RegisterByte(120, 0), row.cleared ? 0 : 8);
        EXPECT_EQ(program.RegisterByte(122, 0), row.cleared ? 0 : 8);
        EXPECT_EQ(program.RegisterByte(110, 2), held->RegisterByte(110, 2));  // C is kept
    }
}

TEST(LinkMcu, ReadWithAWrongStoredChecksumReportsItAndKeepsWhatWasRead) {
    auto held = HeldProgram(31);
    held->SetRegisterByte(100, 3, (held->RegisterByte(100, 3) + 1) % 256);
    sim::UnitSetup setup = UnitOf(UnitKind::Mcu);
    setup.Memory = sim::ImageOfProgram(*held);
    LinkBench bench(setup);
    ASSERT_TRUE(bench.Connect().Ok());
    model::Program program;
    const comm::LinkResult read = bench.link.ReadProgram(program);
    EXPECT_EQ(read.Result, Outcome::ChecksumError);
    EXPECT_EQ(read.Message.Text, comm::texts::kReadChecksumError);
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
        if (unit.Requests().size() == 845 && !lost) {
            unit.Memory()[kVersionRecord][3] ^= 0x5A;
            lost = true;
        }
    };
    auto program = RandomProgram(41);
    const model::Program before = *program;
    const comm::LinkResult sent = bench.link.SendProgram(*program);
    EXPECT_EQ(sent.Result, Outcome::ChecksumError);
    EXPECT_EQ(sent.Message.Text, "MCU Checksum Error\nPlease send the program again");
    EXPECT_EQ(ChangedRecords(*program, before), std::vector<int>{});
}

TEST(LinkMcu, GarbledEchoesAreRepeatedUntilTheChecksumsMatch) {
    sim::UnitSetup setup = UnitOf(UnitKind::Mcu);
    setup.CorruptEchoPercent = 5;
    setup.Seed = 99;
    LinkBench bench(setup);
    ASSERT_TRUE(bench.Connect().Ok());
    auto program = RandomProgram(51);
    const comm::LinkResult sent = bench.link.SendProgram(*program);
    EXPECT_TRUE(sent.Ok()) << sent.Message.Text;
    EXPECT_GT(CountRequests(bench.unit, 1), 845u + 10);  // some lines went twice
    EXPECT_EQ(DifferingLines(*program, bench.unit.Memory()), std::vector<int>{});

    model::Program read;
    EXPECT_TRUE(bench.link.ReadProgram(read).Ok());
    EXPECT_EQ(DifferingLines(read, bench.unit.Memory()), std::vector<int>{});
}

// Three unanswered requests in a row end a transfer; so does a line that drops.
TEST(LinkMcu, UnitLostMidTransferEndsItAtOnceAndLeavesTheProgramAsItWas) {
    const struct {
        const char* edge;
        bool reading;
        bool hangup;
        Outcome outcome;
        std::size_t requests;  // written; the unit answers 300
    } rows[] = {
        {"silent during a send", false, false, Outcome::NoAnswer, 300 + 3},
        {"silent during a read", true, false, Outcome::NoAnswer, 300 + 3},
        {"line dropped during a read", true, true, Outcome::PortFailed, 300 + 1},
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
        EXPECT_EQ(result.Result, row.outcome) << row.edge;
        EXPECT_NE(result.Message.Text.find(comm::texts::kNoAnswer), std::string::npos) << row.edge;
        EXPECT_EQ(bench.port.Written().size() - written, row.requests * 8) << row.edge;
        EXPECT_EQ(ChangedRecords(*program, before), std::vector<int>{}) << row.edge;
        EXPECT_EQ(bench.seen.Replaced, 0) << row.edge;
        EXPECT_FALSE(bench.seen.TransferVisible) << row.edge;
        EXPECT_EQ(bench.seen.Mode, comm::texts::kNotConnected) << row.edge;
        // Nothing more is sent once the link has failed, until a reset.
        EXPECT_EQ(bench.link.State(), CommStateWord::Err) << row.edge;
        EXPECT_EQ(bench.link.SendProgram(*program).Result, Outcome::NotReady) << row.edge;
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
        if (reading) {
            EXPECT_TRUE(program->SameContent(before));
        }
        EXPECT_EQ(bench.link.State(), CommStateWord::Mcu);
        bench.seen.OnProgress = nullptr;
        EXPECT_TRUE(bench.link.SendProgram(*program).Ok());
    }
}

TEST(LinkMcu, ResetDuringATransferStopsItAndConnectRecovers) {
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
    EXPECT_EQ(bench.link.State(), CommStateWord::None);
    bench.seen.OnProgress = nullptr;
    bench.port.Close();
    EXPECT_TRUE(bench.Connect().Ok());
    EXPECT_TRUE(bench.link.SendProgram(*program).Ok());
}

// --- Pocket Programmer ---

TEST(LinkPp, ServesEveryLineThePpAsksFor) {
    sim::UnitSetup setup = UnitOf(UnitKind::Pp);
    setup.Exchange = sim::PpExchange::Receive;
    LinkBench bench(setup);
    ASSERT_TRUE(bench.Connect().Ok());
    auto program = RandomProgram(91);
    const comm::LinkResult served = bench.link.PpServe(*program, 5000);
    EXPECT_TRUE(served.Ok()) << served.Message.Text;
    EXPECT_EQ(bench.unit.Pp().Exchanged(), 845);
    EXPECT_EQ(bench.unit.Pp().Failed(), 0);
    // The PP's memory has the program, register 100 included.
    for (const comm::WireLine& line : comm::TransferSpan()) {
        for (int i = 0; i < 4; ++i)
            ASSERT_EQ(bench.unit.Memory()[line.Record][i], program->PgmData[line.Record].Code[i]);
    }
    EXPECT_FALSE(bench.seen.TransferVisible);
}

TEST(LinkPp, TakesThePpsLinesIncludingAfterABadMessage) {
    for (bool matching : {true, false}) {
        auto held = HeldProgram(101);
        if (!matching)
            held->SetRegisterByte(100, 3, (held->RegisterByte(100, 3) + 1) % 256);
        sim::UnitSetup setup = UnitOf(UnitKind::Pp);
        setup.Exchange = sim::PpExchange::Send;
        setup.Memory = sim::ImageOfProgram(*held);
        setup.PpCorruptMessage = 10;
        LinkBench bench(setup);
        ASSERT_TRUE(bench.Connect().Ok());
        model::Program program;
        model::MakeNewProgram(program);
        program.PageName[0] = "Kept";
        const comm::LinkResult taken = bench.link.PpTake(program, 5000);
        EXPECT_EQ(taken.Result, matching ? Outcome::Success : Outcome::ChecksumError);
        EXPECT_EQ(bench.link.Receiver().Pp().Tally().Rejected, 1);
        EXPECT_EQ(bench.link.Receiver().Pp().Tally().Stored, 845);
        EXPECT_EQ(bench.unit.Pp().Failed(), 0);
        EXPECT_EQ(DifferingLines(program, bench.unit.Memory()), std::vector<int>{});
        EXPECT_EQ(program.PageName[0], "Kept");  // a PP receive keeps names and comments
        EXPECT_EQ(bench.seen.Messages.size(), matching ? 0u : 1u);
        if (!matching) {
            EXPECT_EQ(bench.seen.Messages[0].Title, "Checksum Error");
        }
    }
}

TEST(LinkPp, FiveHundredMillisecondsOfQuietEndTheTransfer) {
    const struct {
        int pauseMs;
        bool oneTransfer;
    } rows[] = {{400, true}, {499, true}, {520, false}};
    for (const auto& row : rows) {
        sim::UnitSetup setup = UnitOf(UnitKind::Pp);
        setup.Exchange = sim::PpExchange::Send;
        setup.Memory = sim::ImageOfProgram(*HeldProgram(111));
        setup.PpPauseBefore = 100;
        setup.PpPause = std::chrono::milliseconds(row.pauseMs);
        LinkBench bench(setup);
        ASSERT_TRUE(bench.Connect().Ok());
        model::Program program;
        const comm::LinkResult taken = bench.link.PpTake(program, 5000);
        const int stored = bench.link.Receiver().Pp().Tally().Stored;
        EXPECT_EQ(stored, row.oneTransfer ? 845 : 100) << "pause " << row.pauseMs;
        // Ended early, register 100 has not come: the checksum cannot match.
        EXPECT_EQ(taken.Ok(), row.oneTransfer);
    }
}

TEST(LinkPp, ExchangeRunsWithoutACommandWaitingAsInTheWindow) {
    sim::UnitSetup setup = UnitOf(UnitKind::Pp);
    setup.Exchange = sim::PpExchange::Send;
    setup.Memory = sim::ImageOfProgram(*HeldProgram(95));
    LinkBench bench(setup);
    ASSERT_TRUE(bench.Connect().Ok());
    model::Program program;
    bench.link.AttachProgram(&program);
    bench.pump.Idle(30000);  // the window's event loop, servicing the link
    EXPECT_TRUE(bench.link.Receiver().Pp().Tally().Ended);
    EXPECT_EQ(DifferingLines(program, bench.unit.Memory()), std::vector<int>{});
    EXPECT_EQ(bench.seen.Replaced, 1);
    EXPECT_TRUE(bench.seen.Messages.empty());
}

TEST(LinkPp, PpThatNeverStartsEndsTheWaitAndLeavesTheLinkConnected) {
    LinkBench bench(UnitOf(UnitKind::Pp));
    ASSERT_TRUE(bench.Connect().Ok());
    model::Program program;
    EXPECT_EQ(bench.link.PpServe(program, 2000).Result, Outcome::NoAnswer);
    EXPECT_EQ(bench.link.State(), CommStateWord::Pp);
}

// --- CIM ---

panels::PanelTables RandomPanels(uint32_t seed) {
    auto program = RandomProgram(seed);
    return program->Tmr;
}

std::string Trimmed(std::string text) {
    text = text.substr(0, 16);
    const std::size_t end = text.find_last_not_of(' ');
    return end == std::string::npos ? "" : text.substr(0, end + 1);
}

TEST(LinkCim, TimerAndCounterSettingsRoundTripAtTheirAddresses) {
    for (comm::PanelKind kind : {comm::PanelKind::Timers, comm::PanelKind::Counters}) {
        const bool timers = kind == comm::PanelKind::Timers;
        LinkBench bench(UnitOf(UnitKind::Cim));
        ASSERT_TRUE(bench.Connect().Ok());
        model::Program sent;
        model::MakeNewProgram(sent);
        panels::PanelTables& tables = timers ? sent.Tmr : sent.Ctr;
        tables = RandomPanels(timers ? 121 : 122);
        tables.Data[0].Name = "Pump";
        tables.Data[1].Name = "Twelve chars";
        tables.Data[2].Name = "A name longer than sixteen";
        const comm::LinkResult result =
            timers ? bench.link.SendTimers(sent) : bench.link.SendCounters(sent);
        EXPECT_TRUE(result.Ok());
        EXPECT_EQ(result.Message.Text,
                  timers ? comm::texts::kTimerSent : comm::texts::kCounterSent);

        const std::vector<uint8_t>& memory = bench.unit.ModuleMemory();
        EXPECT_EQ(std::string(memory.begin(), memory.begin() + 16), "Pump            ");
        EXPECT_EQ(std::string(memory.begin() + 32, memory.begin() + 48), "Twelve chars    ");
        EXPECT_EQ(std::string(memory.begin() + 64, memory.begin() + 80), "A name longer th");
        EXPECT_EQ(memory[16], tables.Data[0].Words[0]);
        EXPECT_EQ(memory[31], tables.Data[0].Words[15]);
        EXPECT_EQ(memory[0x02C0],
                  static_cast<uint8_t>(comm::TextField(tables.Msg[14].Top)[0]));  // message 15
        for (int a = 0x02E0; a < 0x0400; ++a)
            ASSERT_EQ(memory[a], 0) << "address " << a;
        for (int w = 0; w < 4; ++w)
            EXPECT_EQ(memory[0x0400 + w], tables.Panel[w]);

        model::Program read;
        model::MakeNewProgram(read);
        const comm::LinkResult back =
            timers ? bench.link.ReadTimers(read) : bench.link.ReadCounters(read);
        EXPECT_TRUE(back.Ok());
        EXPECT_EQ(back.Message.Text, timers ? comm::texts::kTimerRead : comm::texts::kCounterRead);
        const panels::PanelTables& got = timers ? read.Tmr : read.Ctr;
        for (int e = 0; e < panels::kEntryCount; ++e) {
            EXPECT_EQ(got.Data[e].Name, Trimmed(tables.Data[e].Name)) << "entry " << e;
            EXPECT_EQ(got.Data[e].Words, tables.Data[e].Words);
        }
        for (int m = 0; m < panels::kMessageCount; ++m) {
            EXPECT_EQ(got.Msg[m].Top, Trimmed(tables.Msg[m].Top));
            EXPECT_EQ(got.Msg[m].Bottom, Trimmed(tables.Msg[m].Bottom));
        }
        EXPECT_EQ(got.Panel, tables.Panel);
        EXPECT_EQ(read.RegisterByte(timers ? 120 : 122, 0), 8);
        EXPECT_EQ(read.RegisterByte(timers ? 122 : 120, 0), 0);
        EXPECT_TRUE(read.PgmChanged) << "read panels make the program differ from its file";
        EXPECT_EQ(bench.seen.PanelReads, 1);
        // Four blocks each for an entry's name and words, eight per message, one for the
        // panel words.
        const std::size_t blocks = 8u * 8 + 15u * 8 + 1;
        EXPECT_EQ(CountRequests(bench.unit, 5), blocks);
        EXPECT_EQ(CountRequests(bench.unit, 6), blocks);
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

struct RunCase {
    int version;
    sim::TraceOrder order;
};

class LinkRun : public ::testing::TestWithParam<RunCase> {};

TEST_P(LinkRun, TraceHighlightsTheReportedLine) {
    const RunCase& c = GetParam();
    model::Program program;
    model::MakeNewProgram(program);
    sim::UnitSetup setup = UnitOf(UnitKind::Mcu, c.version);
    model::StoreProgramChecksum(program);
    setup.Memory = sim::ImageOfProgram(program);
    setup.Trace = {{3, 7}, {3, 7}, {0, 1}, {7, 1}};
    setup.Order = c.order;
    LinkBench bench(setup);
    ASSERT_TRUE(bench.Connect(0).Ok());
    // Page C on display: rows for lines 1..10 with a comment row after line 2.
    bench.link.SetTraceView({3, {1, 2, 0, 3, 4, 5, 6, 7, 8, 9, 10}, 0});
    const comm::LinkResult ran = bench.link.Run(program);
    ASSERT_TRUE(ran.Ok()) << ran.Message.Text;
    EXPECT_EQ(bench.link.State(), CommStateWord::Run);
    EXPECT_EQ(bench.seen.Transfer, comm::texts::kRunningProgram);
    bench.pump.Idle(1000);
    // Offset 7 is line 8, in row 8.
    ASSERT_FALSE(bench.seen.TraceRows.empty());
    EXPECT_EQ(bench.seen.TraceRows[0], std::make_pair(0, 8));
    EXPECT_EQ(bench.link.Trace().TraceItem, 8);
    bench.link.Stop();
    EXPECT_EQ(bench.link.State(), CommStateWord::None);
}

std::string RunCaseName(const ::testing::TestParamInfo<RunCase>& info) {
    static const char* const kOrders[] = {"PageFirst", "LineFirst", "Alternate"};
    return "Interface" + std::to_string(info.param.version) +
           kOrders[static_cast<int>(info.param.order)];
}

INSTANTIATE_TEST_SUITE_P(Versions, LinkRun,
                         ::testing::Values(RunCase{1, sim::TraceOrder::PageFirst},
                                           RunCase{2, sim::TraceOrder::PageFirst},
                                           RunCase{2, sim::TraceOrder::LineFirst},
                                           RunCase{2, sim::TraceOrder::Alternate}),
                         RunCaseName);

TEST(LinkRunMismatch, DecliningSendsNothingAndAcceptingRunsWithoutTrace) {
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
        EXPECT_EQ(bench.seen.Questions[0].Text, comm::texts::kRunMismatch);
        EXPECT_EQ(CountRequests(bench.unit, 4), accept ? 1u : 0u);
        if (!accept) {
            EXPECT_EQ(ran.Result, Outcome::Declined);
            EXPECT_EQ(ran.Message.Text, comm::texts::kRunDeclined);
            EXPECT_EQ(bench.link.State(), CommStateWord::Mcu);
            continue;
        }
        EXPECT_EQ(bench.link.State(), CommStateWord::XRun);
        bench.pump.Idle(1000);
        EXPECT_TRUE(bench.seen.TraceRows.empty());
    }
}

}  // namespace
