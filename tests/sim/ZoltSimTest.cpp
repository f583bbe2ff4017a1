// zolt-sim as a user starts it: the device it prints, the link it makes to it, a line that
// stays raw for any program that opens it, and its exit status on an option it does not know.
// How the unit answers a transfer the zoltctl tests show.
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tests/files/TestFiles.h"
#include "tests/sim/SimProcess.h"

namespace {

using Bytes = std::vector<uint8_t>;

// Reads count bytes, giving up after a second of silence.
Bytes ReadBytes(int fd, std::size_t count) {
    Bytes got;
    uint8_t byte = 0;
    for (pollfd p{fd, POLLIN, 0}; got.size() < count && poll(&p, 1, 1000) > 0;) {
        if (read(fd, &byte, 1) != 1)
            break;
        got.push_back(byte);
    }
    return got;
}

TEST(ZoltSim, LinksToItsDeviceWhoseLineStaysRawForAnyProgramThatOpensIt) {
    testfiles::ScratchFolder scratch;
    const std::string link = scratch.File("zolt");
    simtest::SimProcess sim({"--link", link, "--power-up-delay", "5"});
    EXPECT_EQ(sim.Device().rfind("/dev/pts/", 0), 0u) << sim.Device();
    char target[256] = {};
    ASSERT_GT(readlink(link.c_str(), target, sizeof target - 1), 0);
    EXPECT_EQ(std::string(target), sim.Device());
    // Opened without any line settings of its own: carriage returns, line feeds, Ctrl-C and
    // Ctrl-D in a line would be changed or eaten by a cooked line, and so change the echo.
    const int fd = open(link.c_str(), O_RDWR | O_NOCTTY);
    EXPECT_EQ(ReadBytes(fd, 4), (Bytes{0x55, 0xF0, 0x01, 0x46}));
    const Bytes write = {0x46, 1, 1, 0, '\r', '\n', 3, 4, 32};
    ASSERT_EQ(::write(fd, write.data(), write.size()), ssize_t(write.size()));
    EXPECT_EQ(ReadBytes(fd, 1), Bytes{32});
    close(fd);
    EXPECT_EQ(sim.Stop(), 0);
    EXPECT_NE(access(link.c_str(), F_OK), 0) << "the link outlived zolt-sim";
}

TEST(ZoltSim, UnknownOptionExitsWithTheUsageStatus) {
    EXPECT_EQ(WEXITSTATUS(std::system(ZOLT_SIM_PATH " --bogus 2>/dev/null")), 64);
}

}  // namespace
