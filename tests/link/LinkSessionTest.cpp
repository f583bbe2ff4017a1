// The link session against emulated units: connection, program, panel and Pocket Programmer
// transfers, run mode, and units that garble, fall silent or drop the line.
#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "link/CimTransfer.h"
#include "link/LineAddress.h"
#include "link/LinkTexts.h"
#include "model/HardwareConfig.h"
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

// The unit's memory holding the program's lines.
sim::LineImage ImageOf(const model::Program& program) {
    sim::LineImage image{};
    for (int r = 0; r < model::kRecordCount; ++r) {
        for (int i = 0; i < 4; ++i)
            image[r][i] = static_cast<uint8_t>(program.PgmData[r].Code[i] & 0xFF);
    }
    return image;
}

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

// Records that differ between two images, apart from register 100, which a send stamps with
// the checksum.
std::vector<int> ChangedRecords(const std::array<model::PgmRecord, model::kRecordCount>& now,
                                const std::array<model::PgmRecord, model::kRecordCount>& before) {
    std::vector<int> changed;
    for (int r = 0; r < model::kRecordCount; ++r) {
        if (r != kVersionRecord && now[r] != before[r])
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
    program->SetRegisterByte(model::kVersionRegister, 1, 1);
    program->SetRegisterByte(model::kVersionRegister, 2, 30);
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

TEST(LinkConnect, EachUnitIsIdentifiedAnsweredAndConnected) {
    const struct {
        UnitKind kind;
        sim::IdentFault fault;
        std::vector<uint8_t> answers;  // what the PC answered, in order
        CommStateWord state;
        const char* mode;
    } rows[] = {
        {UnitKind::Mcu,
         sim::IdentFault::None,
         {0x46},
         CommStateWord::Mcu,
         comm::texts::kConnectedMcu},
        {UnitKind::Cim,
         sim::IdentFault::None,
         {0x55},
         CommStateWord::Cim,
         comm::texts::kConnectedCim},
        {UnitKind::Pp, sim::IdentFault::None, {0xBA}, CommStateWord::Pp, comm::texts::kConnectedPp},
        // A wrong fourth byte is answered with the right sum; the unit then tries again.
        {UnitKind::Mcu,
         sim::IdentFault::Checksum,
         {0x46, 0x46},
         CommStateWord::Mcu,
         comm::texts::kConnectedMcu},
        {UnitKind::Cim,
         sim::IdentFault::Checksum,
         {0x55, 0x55},
         CommStateWord::Cim,
         comm::texts::kConnectedCim},
        {UnitKind::Pp,
         sim::IdentFault::Checksum,
         {0xBA, 0xBA},
         CommStateWord::Pp,
         comm::texts::kConnectedPp},
        // A stray 0x12 is answered with 0x00.
        {UnitKind::Mcu,
         sim::IdentFault::Stray,
         {0x00, 0x46},
         CommStateWord::Mcu,
         comm::texts::kConnectedMcu},
        {UnitKind::Cim,
         sim::IdentFault::Stray,
         {0x00, 0x55},
         CommStateWord::Cim,
         comm::texts::kConnectedCim},
        {UnitKind::Pp,
         sim::IdentFault::Stray,
         {0x00, 0xBA},
         CommStateWord::Pp,
         comm::texts::kConnectedPp},
    };
    for (const auto& row : rows) {
        sim::UnitSetup setup = UnitOf(row.kind);
        setup.Fault = row.fault;
        LinkBench bench(setup);
        const comm::LinkResult connected = bench.Connect();
        EXPECT_TRUE(connected.Ok()) << connected.Message.Text;
        EXPECT_EQ(bench.link.State(), row.state);
        EXPECT_EQ(bench.seen.Mode, row.mode);
        EXPECT_EQ(bench.unit.IdentAnswers(), row.answers);
        EXPECT_TRUE(bench.unit.Connected());
    }
}

TEST(LinkConnect, HighSpeedSetUpSwitchesBothEndsTo19200) {
    for (UnitKind kind : {UnitKind::Mcu, UnitKind::Pp, UnitKind::Cim}) {
        LinkBench bench(UnitOf(kind, 2));
        ASSERT_TRUE(bench.Connect(1).Ok());
        EXPECT_EQ(bench.port.Baud(), 19200);
        EXPECT_EQ(bench.unit.Baud(), 19200);
        EXPECT_EQ(bench.port.LostBytes(), 0);
        const auto& requests = bench.unit.Requests();
        ASSERT_EQ(requests.size(), 2u);
        EXPECT_EQ(requests[0], (sim::Frame{240, 1, 0, 0, 0, 0, 0, 241}));
        if (kind == UnitKind::Cim)
            EXPECT_EQ(requests[1], (sim::Frame{6, 15, 0, 0, 0, 0, 0, 21}));
        else
            EXPECT_EQ(requests[1], (sim::Frame{2, 7, 99, 0, 0, 0, 0, 108}));
        EXPECT_NE(bench.seen.Mode, comm::texts::kConnecting);
    }
}

TEST(LinkConnect, UnansweredHighSpeedTestShowsHighSpeedErrorAndResetRecovers) {
    sim::UnitSetup setup = UnitOf(UnitKind::Mcu, 2);
    setup.StopAfter = 1;  // echoes the speed request, then falls silent
    LinkBench bench(setup);
    const comm::LinkResult connected = bench.Connect(1);
    EXPECT_EQ(connected.Result, Outcome::HighSpeedError);
    EXPECT_EQ(bench.seen.Mode, comm::texts::kHighSpeedError);
    EXPECT_EQ(bench.link.State(), CommStateWord::Err);
    // A Reset and a new power-up connect again.
    bench.link.Reset();
    EXPECT_EQ(bench.seen.Mode, comm::texts::kNotConnected);
    EXPECT_EQ(bench.port.Baud(), 9600);
    bench.port.Close();
    setup.StopAfter = -1;
    LinkBench again(setup);
    EXPECT_TRUE(again.Connect(1).Ok());
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

TEST(LinkConnect, SilentPortEndsTheWaitForTheUnit) {
    sim::UnitSetup setup = UnitOf(UnitKind::Mcu);
    setup.PowerUpDelay = std::chrono::milliseconds(60000);
    LinkBench bench(setup);
    EXPECT_EQ(bench.Connect().Result, Outcome::NoAnswer);
    EXPECT_EQ(bench.link.State(), CommStateWord::None);
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
    EXPECT_EQ(program->RegisterByte(model::kVersionRegister, 3), sum);

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
    setup.Memory = ImageOf(*held);
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
    } rows[] = {{28, true}, {29, false}, {30, false}, {0, true}};
    for (const auto& row : rows) {
        auto held = HeldProgram(21);
        held->SetRegisterByte(110, 0, 4);
        held->SetRegisterByte(110, 1, 5);
        held->SetRegisterByte(120, 0, 8);
        held->SetRegisterByte(122, 0, 8);
        sim::UnitSetup setup = UnitOf(UnitKind::Mcu);
        setup.FirmwareMinor = row.minor;
        setup.Memory = ImageOf(*held);
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
    setup.Memory = ImageOf(*held);
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
    const auto before = program->PgmData;
    const comm::LinkResult sent = bench.link.SendProgram(*program);
    EXPECT_EQ(sent.Result, Outcome::ChecksumError);
    EXPECT_EQ(sent.Message.Text, "MCU Checksum Error\nPlease send the program again");
    EXPECT_EQ(ChangedRecords(program->PgmData, before), std::vector<int>{});
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

TEST(LinkMcu, SilentUnitMidSendEndsBoundedWithAMessage) {
    sim::UnitSetup setup = UnitOf(UnitKind::Mcu);
    setup.StopAfter = 300;
    LinkBench bench(setup);
    ASSERT_TRUE(bench.Connect().Ok());
    auto program = RandomProgram(61);
    const auto before = program->PgmData;
    const comm::Millis start = bench.clock.Now();
    const comm::LinkResult sent = bench.link.SendProgram(*program);
    EXPECT_EQ(sent.Result, Outcome::NoAnswer);
    EXPECT_EQ(sent.Message.Text, comm::texts::kNoAnswer);
    EXPECT_LE(bench.clock.Now() - start,
              comm::LinkSession::kMaxSilences * comm::LinkSession::kReplyWait + 1000);
    EXPECT_EQ(bench.link.State(), CommStateWord::Err);
    EXPECT_EQ(bench.seen.Mode, comm::texts::kNotConnected);
    EXPECT_FALSE(bench.seen.TransferVisible);
    EXPECT_EQ(ChangedRecords(program->PgmData, before), std::vector<int>{});
    // Nothing more is sent once the link has failed, until a reset.
    EXPECT_EQ(bench.link.SendProgram(*program).Result, Outcome::NotReady);
}

TEST(LinkMcu, UnitGoneMidReadLeavesTheProgramUntouched) {
    const struct {
        bool hangup;
        Outcome outcome;
    } rows[] = {{false, Outcome::NoAnswer}, {true, Outcome::PortFailed}};
    for (const auto& row : rows) {
        sim::UnitSetup setup = UnitOf(UnitKind::Mcu);
        (row.hangup ? setup.HangupAfter : setup.StopAfter) = 500;
        LinkBench bench(setup);
        ASSERT_TRUE(bench.Connect().Ok());
        auto program = RandomProgram(71);
        const model::Program before = *program;
        const comm::LinkResult read = bench.link.ReadProgram(*program);
        EXPECT_EQ(read.Result, row.outcome);
        EXPECT_FALSE(read.Message.Text.empty());
        EXPECT_TRUE(program->SameContent(before));
        EXPECT_EQ(bench.seen.Replaced, 0);
        EXPECT_EQ(bench.link.State(), CommStateWord::Err);
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
        setup.Memory = ImageOf(*held);
        setup.PpCorruptMessage = 10;
        LinkBench bench(setup);
        ASSERT_TRUE(bench.Connect().Ok());
        model::Program program;
        model::MakeNewProgram(program);
        program.PageName[0] = "Kept";
        const comm::LinkResult taken = bench.link.PpTake(program, 5000);
        EXPECT_EQ(taken.Result, matching ? Outcome::Success : Outcome::ChecksumError);
        EXPECT_EQ(bench.link.Receiver().Tally().Rejected, 1);
        EXPECT_EQ(bench.link.Receiver().Tally().Stored, 845);
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
        setup.Memory = ImageOf(*HeldProgram(111));
        setup.PpPauseBefore = 100;
        setup.PpPause = std::chrono::milliseconds(row.pauseMs);
        LinkBench bench(setup);
        ASSERT_TRUE(bench.Connect().Ok());
        model::Program program;
        const comm::LinkResult taken = bench.link.PpTake(program, 5000);
        const int stored = bench.link.Receiver().Tally().Stored;
        EXPECT_EQ(stored, row.oneTransfer ? 845 : 100) << "pause " << row.pauseMs;
        // Ended early, register 100 has not come: the checksum cannot match.
        EXPECT_EQ(taken.Ok(), row.oneTransfer);
    }
}

TEST(LinkPp, ExchangeRunsWithoutACommandWaitingAsInTheWindow) {
    sim::UnitSetup setup = UnitOf(UnitKind::Pp);
    setup.Exchange = sim::PpExchange::Send;
    setup.Memory = ImageOf(*HeldProgram(95));
    LinkBench bench(setup);
    ASSERT_TRUE(bench.Connect().Ok());
    model::Program program;
    bench.link.AttachProgram(&program);
    bench.pump.Idle(30000);  // the window's event loop, servicing the link
    EXPECT_TRUE(bench.link.Receiver().Tally().Ended);
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

model::PanelTables RandomPanels(uint32_t seed) {
    auto program = RandomProgram(seed);
    return program->Tmr;
}

std::string Trimmed(std::string text) {
    text = text.substr(0, 16);
    const std::size_t end = text.find_last_not_of(' ');
    return end == std::string::npos ? "" : text.substr(0, end + 1);
}

class LinkCim : public ::testing::TestWithParam<int> {};

// Parameter: the share of garbled echoes, which the blocks' repeats must absorb.
TEST_P(LinkCim, TimerAndCounterSettingsRoundTrip) {
    for (comm::PanelKind kind : {comm::PanelKind::Timers, comm::PanelKind::Counters}) {
        const bool timers = kind == comm::PanelKind::Timers;
        sim::UnitSetup setup = UnitOf(UnitKind::Cim);
        setup.CorruptEchoPercent = GetParam();
        LinkBench bench(setup);
        ASSERT_TRUE(bench.Connect().Ok());
        model::Program sent;
        model::MakeNewProgram(sent);
        model::PanelTables& tables = timers ? sent.Tmr : sent.Ctr;
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
        const model::PanelTables& got = timers ? read.Tmr : read.Ctr;
        for (int e = 0; e < model::kEntryCount; ++e) {
            EXPECT_EQ(got.Data[e].Name, Trimmed(tables.Data[e].Name)) << "entry " << e;
            EXPECT_EQ(got.Data[e].Words, tables.Data[e].Words);
        }
        for (int m = 0; m < model::kMessageCount; ++m) {
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
        if (GetParam() == 0) {
            EXPECT_EQ(CountRequests(bench.unit, 5), blocks);
            EXPECT_EQ(CountRequests(bench.unit, 6), blocks);
        } else {
            EXPECT_GT(CountRequests(bench.unit, 5) + CountRequests(bench.unit, 6), 2 * blocks);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Echoes, LinkCim, ::testing::Values(0, 5));

TEST(LinkCimSilent, MidReadLeavesThePanelsUntouched) {
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
    setup.Memory = ImageOf(program);
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
