// zoltctl's commands over a pseudo-terminal to zolt-sim, both run as a user runs them: every
// byte of a transfer crosses a real serial line driver.
#include <gtest/gtest.h>

#include <chrono>
#include <random>

#include "files/ProgramFile.h"
#include "link/LineAddress.h"
#include "model/ProgramChecksum.h"
#include "tests/app/ZoltctlRun.h"
#include "tests/files/TestFiles.h"
#include "tests/sim/SimProcess.h"
#include "tests/support/ProgramFactory.h"

namespace {

using simtest::SimProcess;
using zoltctltest::Outcome;
using zoltctltest::Zoltctl;

class ZoltctlLink : public ::testing::Test {
  protected:
    // Writes program to a scratch file and returns its path.
    std::string Write(model::Program program, const std::string& name) {
        const std::string path = scratch.File(name);
        EXPECT_EQ(files::SaveProgram(program, path), "");
        return path;
    }
    static model::Program Read(const std::string& path) {
        model::Program program;
        EXPECT_TRUE(files::LoadProgram(program, path).Complete) << path;
        return program;
    }
    // The lines a transfer carries are the same in a and b (the BIOS registers too, unless
    // pagesOnly).
    static bool SameLines(const model::Program& a, const model::Program& b,
                          bool pagesOnly = false) {
        for (const comm::WireLine& line : comm::TransferSpan()) {
            if (pagesOnly && line.Page == comm::kBiosPage)
                continue;
            if (a.PgmData[line.Record].Code != b.PgmData[line.Record].Code)
                return false;
        }
        return true;
    }
    static std::string Port(const SimProcess& sim) { return " --port " + sim.Device(); }

    testfiles::ScratchFolder scratch;
};

TEST_F(ZoltctlLink, EveryUnitIsIdentifiedAlsoAfterAFaultyFirstMessage) {
    const struct {
        const char* unit;
        const char* mode;
    } units[] = {
        {"mcu", "Connected to MCU"}, {"pp", "Connected to PP"}, {"cim", "Connected to CIM"}};
    for (const auto& u : units) {
        for (const char* fault : {"none", "checksum", "stray"}) {
            SimProcess sim({"--unit", u.unit, "--ident-fault", fault, "--pp-start-delay", "60000"});
            const Outcome connected = Zoltctl("connect --wait 3" + Port(sim));
            EXPECT_EQ(connected.status, 0) << u.unit << " " << fault << connected.err;
            EXPECT_NE(connected.out.find(u.mode), std::string::npos) << u.unit << " " << fault;
        }
    }
}

TEST_F(ZoltctlLink, SendThenReadCarriesEveryLineOfARandomProgram) {
    std::mt19937 rng(20261207);
    model::Program program = testsupport::RandomProgram(rng);
    const std::string file = Write(program, "random.zlp");
    const std::string dump = scratch.File("mcu.zlp");
    SimProcess sim({"--dump", dump});
    ASSERT_FALSE(sim.Device().empty());

    const Outcome sent = Zoltctl("send " + file + Port(sim));
    EXPECT_EQ(sent.status, 0) << sent.out << sent.err;
    EXPECT_NE(sent.out.find("Connected to MCU"), std::string::npos);
    EXPECT_NE(sent.out.find("Program transferred successfully."), std::string::npos);

    const Outcome read = Zoltctl("read " + scratch.File("back.zlp") + Port(sim));
    EXPECT_EQ(read.status, 0) << read.out << read.err;
    ASSERT_EQ(sim.Stop(), 0);

    model::StoreProgramChecksum(program);
    // Register 100 bytes B and C are the MCU's firmware version (1.30), whatever was sent.
    program.SetRegisterByte(100, 1, 1);
    program.SetRegisterByte(100, 2, 30);
    EXPECT_TRUE(SameLines(Read(dump), program)) << "the MCU holds what was sent";
    EXPECT_TRUE(SameLines(Read(scratch.File("back.zlp")), program)) << "and reads it back";
    EXPECT_EQ(testfiles::ReadBytes(file), testfiles::ReadBytes(Write(Read(file), "again.zlp")))
        << "send leaves the file as it was";
}

TEST_F(ZoltctlLink, HighSpeedAndGarbledEchoesStillEndWithMatchingChecksums) {
    const std::string file = Write(testsupport::FullProgram(), "full.zlp");
    SimProcess fast({"--interface-version", "2"});
    const Outcome high = Zoltctl("send " + file + " --speed high" + Port(fast));
    EXPECT_EQ(high.status, 0) << high.out << high.err;
    EXPECT_NE(high.out.find("Connecting ..."), std::string::npos);

    SimProcess noisy({"--corrupt-echo", "5", "--seed", "7"});
    const Outcome garbled = Zoltctl("send " + file + Port(noisy));
    EXPECT_EQ(garbled.status, 0) << garbled.out << garbled.err;
    EXPECT_NE(garbled.out.find("Program transferred successfully."), std::string::npos);
}

TEST_F(ZoltctlLink, UnitLostMidTransferEndsInBoundedTimeWithAMessageAndNoFile) {
    const std::string file = Write(testsupport::FullProgram(), "full.zlp");
    for (const char* loss : {"--stop-after", "--hangup-after"}) {
        SimProcess sim({loss, "200"});
        const auto start = std::chrono::steady_clock::now();
        const Outcome read = Zoltctl("read " + scratch.File("never.zlp") + Port(sim));
        EXPECT_EQ(read.status, 1) << loss;
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10)) << loss;
        EXPECT_FALSE(read.out.empty() && read.err.empty()) << loss << ": says why";
        EXPECT_EQ(testfiles::ReadBytes(scratch.File("never.zlp")), "") << loss;
    }
}

TEST_F(ZoltctlLink, RefusesTheWrongUnitAndASilentLine) {
    const std::string file = Write(testsupport::FullProgram(), "full.zlp");
    SimProcess cim({"--unit", "cim"});
    const Outcome wrong = Zoltctl("send " + file + Port(cim));
    EXPECT_EQ(wrong.status, 1);
    EXPECT_NE(wrong.err.find("needs the MCU"), std::string::npos) << wrong.err;

    SimProcess mute({"--power-up-delay", "60000"});
    const Outcome silent = Zoltctl("connect --wait 1" + Port(mute));
    EXPECT_EQ(silent.status, 1) << silent.out;

    EXPECT_EQ(Zoltctl("send " + file + " --speed fast" + Port(mute)).status, 64);
    EXPECT_EQ(Zoltctl("send " + file + " --port COM1").status, 64);
}

TEST_F(ZoltctlLink, PocketProgrammerTakesAndGivesTheProgram) {
    model::Program program = testsupport::FullProgram();
    model::StoreProgramChecksum(program);
    const std::string file = Write(program, "full.zlp");

    const std::string received = scratch.File("pp-got.zlp");
    {
        SimProcess pp({"--unit", "pp", "--pp-receive", received, "--pp-start-delay", "50"});
        const Outcome served = Zoltctl("pp-send " + file + Port(pp));
        EXPECT_EQ(served.status, 0) << served.out << served.err;
        EXPECT_EQ(pp.Stop(), 0);
    }
    EXPECT_TRUE(SameLines(Read(received), program));

    // One message arrives with a wrong checksum; the Pocket Programmer sends it again.
    SimProcess pp(
        {"--unit", "pp", "--pp-send", file, "--pp-start-delay", "50", "--pp-corrupt", "5"});
    const Outcome taken = Zoltctl("pp-read " + scratch.File("pp-sent.zlp") + Port(pp));
    EXPECT_EQ(taken.status, 0) << taken.out << taken.err;
    EXPECT_TRUE(SameLines(Read(scratch.File("pp-sent.zlp")), program));
}

TEST_F(ZoltctlLink, TimerAndCounterPanelsRoundTripThroughTheCim) {
    std::mt19937 rng(4);
    const model::Program source = testsupport::RandomProgram(rng);
    const std::string file = Write(source, "panels.zlp");
    const std::string target = Write(testsupport::FullProgram(), "target.zlp");
    SimProcess cim({"--unit", "cim"});
    for (const char* kind : {"timers", "counters"}) {
        EXPECT_EQ(Zoltctl(std::string("send-") + kind + " " + file + Port(cim)).status, 0) << kind;
        EXPECT_EQ(Zoltctl(std::string("read-") + kind + " " + target + Port(cim)).status, 0)
            << kind;
    }
    const model::Program back = Read(target);
    EXPECT_TRUE(back.Tmr == source.Tmr);
    EXPECT_TRUE(back.Ctr == source.Ctr);
    EXPECT_TRUE(SameLines(back, testsupport::FullProgram(), true)) << "lines are not touched";
    EXPECT_NE(back.RegisterByte(120, 0), 0) << "the timer module now counts as installed";
    EXPECT_NE(back.RegisterByte(122, 0), 0) << "the counter module now counts as installed";
}

TEST_F(ZoltctlLink, RunPrintsTheRowsTheTraceReportsForBothInterfaces) {
    model::Program program = testsupport::FullProgram();
    model::StoreProgramChecksum(program);
    const std::string file = Write(program, "full.zlp");
    const std::string script = scratch.File("trace.txt");
    // A line shows when it is reported twice in a row; reports that come while a display is
    // pending (250 ms) are dropped, so they come slower than that.
    testfiles::WriteBytes(script, "A 3\nA 3\nA 1\nA 1\n");
    for (const char* version : {"1", "2"}) {
        SimProcess mcu({"--interface-version", version, "--memory", file, "--trace", script,
                        "--trace-interval", "400"});
        // --yes is a flag: the file after it stays the file.
        const Outcome run = Zoltctl("run --yes " + file + " --seconds 3" + Port(mcu));
        EXPECT_EQ(run.status, 0) << version << run.out << run.err;
        EXPECT_NE(run.out.find("Running Program"), std::string::npos) << version;
        const std::size_t third = run.out.find("\n     3    ");
        const std::size_t first = run.out.find("\n     1    ");
        EXPECT_NE(third, std::string::npos) << version << run.out;
        EXPECT_LT(third, first) << version << run.out;
    }
}

}  // namespace
