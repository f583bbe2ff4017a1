// The link session over a real pseudo-terminal to a unit emulator in its own thread, through
// the POSIX port and the poll pump, as zoltctl runs it.
#include <gtest/gtest.h>

#include <random>

#include "app/sim/UnitThread.h"
#include "hardware/HardwareConfig.h"
#include "link/LineAddress.h"
#include "link/LinkSession.h"
#include "link/PollPump.h"
#include "link/PosixSerialPort.h"
#include "model/Program.h"
#include "model/ProgramChecksum.h"
#include "tests/link/RecordingObserver.h"
#include "tests/support/ProgramFactory.h"

namespace {

// The session is built before its pump, which needs it; the session does not touch the pump
// until it is asked to wait.
struct PtyLink {
    explicit PtyLink(const sim::UnitSetup& setup) : unit(setup, false) {}

    sim::UnitThread unit;
    comm::PosixSerialPort port;
    comm::SteadyClock clock;
    linktest::RecordingObserver seen;
    comm::LinkSession link{port, clock, pump, seen};
    comm::PollPump pump{port, clock, link};
};

sim::UnitSetup Mcu(int interfaceVersion) {
    sim::UnitSetup setup;
    setup.InterfaceVersion = interfaceVersion;
    setup.PowerUpDelay = std::chrono::milliseconds(5);
    return setup;
}

TEST(PtyLink, SendAndReadAtHighSpeedMatchTheUnitsMemory) {
    PtyLink bench(Mcu(2));
    if (!bench.unit.Error().empty())
        GTEST_SKIP() << "no pseudo-terminal: " << bench.unit.Error();
    ASSERT_TRUE(bench.link.Connect(bench.unit.DevicePath(), 1).Ok());
    ASSERT_TRUE(bench.link.WaitForUnit(5000).Ok()) << bench.seen.Mode;
    EXPECT_EQ(bench.link.State(), comm::CommStateWord::Mcu);
    EXPECT_EQ(bench.unit.Inspect([](const sim::UnitEmulator& u) { return u.Baud(); }), 19200);

    std::mt19937 rng(3);
    model::Program program = testsupport::RandomProgram(rng);
    const comm::LinkResult sent = bench.link.SendProgram(program);
    ASSERT_TRUE(sent.Ok()) << sent.Message.Text;

    model::Program read;
    const comm::LinkResult got = bench.link.ReadProgram(read);
    ASSERT_TRUE(got.Ok()) << got.Message.Text;
    const sim::LineImage memory =
        bench.unit.Inspect([](const sim::UnitEmulator& u) { return u.Memory(); });
    for (const comm::WireLine& line : comm::TransferSpan()) {
        for (int i = 0; i < 4; ++i) {
            ASSERT_EQ(read.PgmData[line.Record].Code[i], memory[line.Record][i]);
            if (line.Record != 899 || i == 0 || i == 3) {
                ASSERT_EQ(read.PgmData[line.Record].Code[i], program.PgmData[line.Record].Code[i])
                    << "record " << line.Record;
            }
        }
    }
}

TEST(PtyLink, UnitThatHangsUpMidReadEndsAndLeavesTheProgram) {
    sim::UnitSetup setup = Mcu(1);
    setup.HangupAfter = 200;
    PtyLink bench(setup);
    if (!bench.unit.Error().empty())
        GTEST_SKIP() << "no pseudo-terminal: " << bench.unit.Error();
    ASSERT_TRUE(bench.link.Connect(bench.unit.DevicePath(), 0).Ok());
    ASSERT_TRUE(bench.link.WaitForUnit(5000).Ok());
    std::mt19937 rng(4);
    model::Program program = testsupport::RandomProgram(rng);
    const model::Program before = program;
    model::Program read = program;
    const comm::LinkResult result = bench.link.ReadProgram(read);
    EXPECT_TRUE(result.Result == comm::Outcome::PortFailed ||
                result.Result == comm::Outcome::NoAnswer)
        << result.Message.Text;
    EXPECT_TRUE(read.SameContent(before));
    EXPECT_EQ(bench.link.State(), comm::CommStateWord::Err);
}

}  // namespace
