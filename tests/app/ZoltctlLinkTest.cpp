// zoltctl's link commands run as a user runs them, against zolt-sim on a pseudo-terminal: one
// send and read round trip, a line that drops, a port held by another program, the exit
// statuses, run's traced rows and the table of ports. The protocol itself is the in-memory link
// tests' business.
#include <gtest/gtest.h>

#include <chrono>
#include <random>

#include "files/ProgramFile.h"
#include "link/LineAddress.h"
#include "link/PortTable.h"
#include "link/PosixSerialPort.h"
#include "model/ProgramChecksum.h"
#include "tests/app/ZoltctlRun.h"
#include "tests/files/TestFiles.h"
#include "tests/sim/SimProcess.h"
#include "tests/support/ProgramFactory.h"

namespace {

using simtest::SimProcess;
using zoltctltest::Outcome;
using zoltctltest::Zoltctl;

std::string Port(const SimProcess& sim) {
    return " --port " + sim.Device();
}

class ZoltctlLink : public ::testing::Test {
  protected:
    // Writes program to a scratch file and returns its path.
    std::string Write(model::Program program, const std::string& name) {
        const std::string path = scratch.File(name);
        EXPECT_EQ(files::SaveProgram(program, path), "");
        return path;
    }

    testfiles::ScratchFolder scratch;
};

// Every byte value crosses both serial line drivers, at 19200 baud out and 9600 back, and
// each run of zoltctl powers the unit up again.
TEST_F(ZoltctlLink, ConnectSendAndReadRoundTripEveryLineOfARandomProgram) {
    std::mt19937 rng(20261207);
    model::Program program = testsupport::RandomProgram(rng);
    const std::string file = Write(program, "random.zlp"), original = testfiles::ReadBytes(file);
    const std::string dump = scratch.File("mcu.zlp"), back = scratch.File("back.zlp");
    SimProcess sim({"--interface-version", "2", "--firmware", "1.31", "--dump", dump});
    ASSERT_FALSE(sim.Device().empty());

    const Outcome connected = Zoltctl("connect" + Port(sim));
    EXPECT_EQ(connected.status, 0) << connected.err;
    EXPECT_NE(connected.out.find("Interface Version:  2"), std::string::npos) << connected.out;
    const Outcome sent = Zoltctl("send " + file + " --speed high" + Port(sim));
    EXPECT_EQ(sent.status, 0) << sent.out << sent.err;
    EXPECT_NE(sent.out.find("Connecting ..."), std::string::npos);
    EXPECT_NE(sent.out.find("Program transferred successfully."), std::string::npos);
    EXPECT_EQ(Zoltctl("read " + back + Port(sim)).status, 0);
    ASSERT_EQ(sim.Stop(), 0);

    EXPECT_EQ(testfiles::ReadBytes(file), original) << "send leaves the file as it was";
    model::StoreProgramChecksum(program);
    program.SetRegisterByte(100, 1, 1);
    // The MCU holds what was sent with its own firmware version; the file read back carries
    // the version the window would save.
    const std::pair<std::string, int> copies[] = {{dump, 31}, {back, 30}};
    for (const auto& [path, minor] : copies) {
        program.SetRegisterByte(100, 2, minor);
        model::Program got;
        ASSERT_TRUE(files::LoadProgram(got, path).Complete) << path;
        for (const comm::WireLine& line : comm::TransferSpan())
            ASSERT_EQ(got.PgmData[line.Record].Code, program.PgmData[line.Record].Code) << path;
    }
}

TEST_F(ZoltctlLink, LineDroppedMidReadEndsInBoundedTimeWithAMessageAndNoFile) {
    SimProcess sim({"--hangup-after", "200"});
    const auto start = std::chrono::steady_clock::now();
    const Outcome read = Zoltctl("read " + scratch.File("never.zlp") + Port(sim));
    EXPECT_EQ(read.status, 1);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_NE(read.err.find(comm::LineLostText(sim.Device())), std::string::npos) << read.err;
    EXPECT_EQ(testfiles::ReadBytes(scratch.File("never.zlp")), "");
}

TEST_F(ZoltctlLink, RefusesTheWrongUnitAPortInUseASilentLineAndBadOptions) {
    const std::string file = Write(testsupport::FullProgram(), "full.zlp");
    SimProcess cim({"--unit", "cim"});
    const Outcome wrong = Zoltctl("send " + file + Port(cim));
    EXPECT_EQ(wrong.status, 1);
    EXPECT_NE(wrong.err.find("needs the MCU"), std::string::npos) << wrong.err;

    comm::PosixSerialPort holder;
    comm::PortCheck failure;
    ASSERT_TRUE(holder.Open(cim.Device(), failure));
    const Outcome held = Zoltctl("connect" + Port(cim));
    EXPECT_EQ(held.status, 1);
    EXPECT_NE(held.err.find(cim.Device() + " is in use by another program."), std::string::npos)
        << held.err;
    holder.Close();

    SimProcess mute({"--power-up-delay", "60000"});
    EXPECT_EQ(Zoltctl("connect --wait 1" + Port(mute)).status, 1);
    EXPECT_EQ(Zoltctl("send " + file + " --speed fast" + Port(mute)).status, 64);
    EXPECT_EQ(Zoltctl("send " + file + " --port COM1").status, 64);
}

// A line shows when it is reported twice in a row; reports that come while a display is
// pending (250 ms) are dropped, so they come slower than that. --yes is a flag: the file after
// it stays the file.
TEST_F(ZoltctlLink, RunPrintsTheRowsTheTraceReports) {
    model::Program program = testsupport::FullProgram();
    model::StoreProgramChecksum(program);
    const std::string file = Write(program, "full.zlp"), script = scratch.File("trace.txt");
    testfiles::WriteBytes(script, "A 3\nA 3\nA 1\nA 1\n");
    SimProcess mcu({"--memory", file, "--trace", script, "--trace-interval", "400"});
    const Outcome run = Zoltctl("run --yes " + file + " --seconds 3" + Port(mcu));
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_NE(run.out.find("Running Program"), std::string::npos);
    const std::size_t third = run.out.find("\n     3    ");
    EXPECT_NE(third, std::string::npos) << run.out;
    EXPECT_LT(third, run.out.find("\n     1    ")) << run.out;
}

// compare reads the MCU beside the file and tells by its exit status whether they agree.
TEST_F(ZoltctlLink, CompareTellsWhetherTheMcuHoldsTheFile) {
    model::Program program = testsupport::FullProgram();
    model::StoreProgramChecksum(program);
    const std::string held = Write(program, "held.zlp");
    program.PgmData[0].Code = {9, 0, 3, 0};
    const std::string edited = Write(program, "edited.zlp");
    SimProcess mcu({"--memory", held});
    const Outcome same = Zoltctl("compare " + held + Port(mcu));
    EXPECT_EQ(same.status, 0) << same.out << same.err;
    const Outcome differ = Zoltctl("compare " + edited + Port(mcu));
    EXPECT_EQ(differ.status, 1);
    EXPECT_NE(differ.out.find("Page A, line 1\n-     1          Wait 3.00 Seconds\n"),
              std::string::npos)
        << differ.out;
}

// The table is the core's, label for label, in both forms.
TEST(ZoltctlPorts, PrintsEachComPortAsTheCoreNamesIt) {
    const comm::DeviceRoots roots;
    const std::vector<comm::SerialDevice> devices = comm::ListSerialDevices(roots);
    const Outcome table = Zoltctl("ports"), json = Zoltctl("ports --json");
    EXPECT_EQ(table.status, 0);
    EXPECT_EQ(json.status, 0);
    for (int port = 1; port <= 4; ++port) {
        const std::string label = comm::DescribePort(port, devices, "", roots).Label;
        EXPECT_NE(table.out.find("Com " + std::to_string(port) + "  " + label + "\n"),
                  std::string::npos)
            << table.out;
        EXPECT_NE(json.out.find("\"label\": \"" + label + "\""), std::string::npos) << json.out;
    }
    std::size_t rows = 0;
    for (std::size_t at = 0; (at = json.out.find("{\"port\": ", at)) != std::string::npos; ++at)
        ++rows;
    EXPECT_EQ(rows, std::max<std::size_t>(4, devices.size()));
}

}  // namespace
