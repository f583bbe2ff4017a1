// zolt-sim as a user starts it: the device it prints, the link it makes to it, and its exit
// status on an option it does not know. What it does on the line the zoltctl tests show.
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/files/TestFiles.h"
#include "tests/sim/SimProcess.h"

namespace {

TEST(ZoltSim, PrintsTheDeviceAndLinksToItWhileItRuns) {
    testfiles::ScratchFolder scratch;
    const std::string link = scratch.File("zolt");
    simtest::SimProcess sim({"--link", link});
    const std::string device = sim.Device();
    EXPECT_EQ(device.rfind("/dev/pts/", 0), 0u) << device;
    char target[256] = {};
    ASSERT_GT(readlink(link.c_str(), target, sizeof target - 1), 0);
    EXPECT_EQ(std::string(target), device);
    EXPECT_EQ(sim.Stop(), 0);
    EXPECT_NE(access(link.c_str(), F_OK), 0) << "the link outlived zolt-sim";
}

TEST(ZoltSim, UnknownOptionExitsWithTheUsageStatus) {
    const int status = std::system((std::string(ZOLT_SIM_PATH) + " --bogus 2>/dev/null").c_str());
    EXPECT_EQ(WEXITSTATUS(status), 64);
}

}  // namespace
