// The emulated unit on a real pseudo-terminal, opened as the PC opens its serial port.
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "app/sim/UnitThread.h"
#include "tests/files/TestFiles.h"
#include "tests/sim/SimProcess.h"

namespace {

using Bytes = std::vector<uint8_t>;

// Reads up to count bytes, giving up after a second of silence; a closed line ends early.
Bytes ReadBytes(int fd, std::size_t count) {
    Bytes got;
    while (got.size() < count) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, 1000) <= 0)
            break;
        uint8_t byte;
        if (read(fd, &byte, 1) != 1)
            break;
        got.push_back(byte);
    }
    return got;
}

void Write(int fd, const Bytes& bytes) {
    ASSERT_EQ(write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
}

int OpenPort(const std::string& device) {
    return open(device.c_str(), O_RDWR | O_NOCTTY);
}

sim::UnitSetup Mcu() {
    sim::UnitSetup setup;
    setup.PowerUpDelay = std::chrono::milliseconds(5);
    return setup;
}

TEST(PtyUnit, EveryOpeningOfThePortPowersTheUnitUpAgain) {
    sim::UnitThread unit(Mcu(), false);
    ASSERT_EQ(unit.Error(), "");
    for (int round = 0; round < 3; ++round) {
        const int fd = OpenPort(unit.DevicePath());
        ASSERT_GE(fd, 0);
        EXPECT_EQ(ReadBytes(fd, 4), (Bytes{0x55, 0xF0, 0x01, 0x46})) << "round " << round;
        Write(fd, {0x46, 2, 7, 99, 0, 0, 0, 0, 108});
        EXPECT_EQ(ReadBytes(fd, 6), (Bytes{108, 0, 1, 30, 0, 31}));
        close(fd);  // and at once opened again: still a power cycle
    }
    EXPECT_EQ(unit.Inspect([](const sim::UnitEmulator& u) { return u.IdentAnswers().size(); }), 3u);
}

TEST(PtyUnit, LineIsRawSoBytesArriveUnchanged) {
    sim::UnitThread unit(Mcu(), false);
    const int fd = OpenPort(unit.DevicePath());
    ReadBytes(fd, 4);
    // Carriage returns, line feeds, Ctrl-C and Ctrl-D in a line would be changed or eaten by a
    // cooked line.
    Write(fd, {0x46, 1, 1, 0, '\r', '\n', 3, 4, 32});
    EXPECT_EQ(ReadBytes(fd, 1), Bytes{32});
    EXPECT_EQ(unit.Inspect([](const sim::UnitEmulator& u) { return u.Memory()[0]; }),
              (sim::LineCode{'\r', '\n', 3, 4}));
    close(fd);
}

TEST(PtyUnit, HangupClosesTheLineUnderThePc) {
    sim::UnitSetup setup = Mcu();
    setup.HangupAfter = 0;
    sim::UnitThread unit(setup, false);
    const int fd = OpenPort(unit.DevicePath());
    ReadBytes(fd, 4);
    Write(fd, {0x46, 2, 7, 99, 0, 0, 0, 0, 108});
    pollfd p{fd, POLLIN, 0};
    ASSERT_EQ(poll(&p, 1, 1000), 1);
    EXPECT_TRUE(p.revents & (POLLHUP | POLLERR));
    close(fd);
}

// zolt-sim as a user starts it: the device on its first output line, and a link to it.
TEST(ZoltSim, PrintsTheDeviceAndLinksToIt) {
    testfiles::ScratchFolder scratch;
    const std::string link = scratch.File("zolt");
    simtest::SimProcess sim({"--link", link});
    const std::string device = sim.Device();
    EXPECT_EQ(device.rfind("/dev/pts/", 0), 0u) << device;
    char target[256] = {};
    ASSERT_GT(readlink(link.c_str(), target, sizeof target - 1), 0);
    EXPECT_EQ(std::string(target), device);
    const int fd = OpenPort(link);
    EXPECT_EQ(ReadBytes(fd, 4), (Bytes{0x55, 0xF0, 0x01, 0x46}));
    close(fd);
    EXPECT_EQ(sim.Stop(), 0);
    EXPECT_NE(access(link.c_str(), F_OK), 0) << "the link outlived zolt-sim";
}

TEST(ZoltSim, RejectsUnknownOptions) {
    const int status = std::system((std::string(ZOLT_SIM_PATH) + " --bogus 2>/dev/null").c_str());
    EXPECT_EQ(WEXITSTATUS(status), 64);
}

}  // namespace
