// zoltctl simulate as a user runs it: the filling station's run against its expected trace,
// and the options, JSON rows and exit status that only the command line shows.
#include <gtest/gtest.h>

#include "tests/app/ZoltctlRun.h"
#include "tests/files/TestFiles.h"

namespace {

using zoltctltest::Outcome;
using zoltctltest::Zoltctl;

const std::string kData = ZOLT_TEST_DATA "/";

TEST(SimulateCommand, FillingStationRunsAsItsExpectedTrace) {
    const Outcome run = Zoltctl("simulate " + kData + "filling-station.zlp --seconds 15 --inputs " +
                                kData + "filling-station-inputs.txt");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, testfiles::DataFile("filling-station-trace.txt"));
}

TEST(SimulateCommand, OptionsReachTheRunAndAnErrorStopSetsTheExitStatus) {
    const Outcome stopped = Zoltctl("simulate " + kData + "sample.zlp --seconds 0.02 --json");
    EXPECT_EQ(stopped.status, 1);
    EXPECT_EQ(stopped.out,
              "{\"t\": 0.01, \"kind\": \"stop\", \"n\": 1, \"value\": 5, \"text\": \"Third Input "
              "is not installed.\"}\n");
    // B..F frozen: only page A's line runs.
    const Outcome frozen =
        Zoltctl("simulate " + kData + "filling-station.zlp --seconds 0.01 --trace --frozen-pages");
    EXPECT_EQ(frozen.out, "    0.00  page A line 1: Check Input START For Status ON\n");
    const Outcome ended = Zoltctl("simulate " + kData + "new.zlp --seconds 1 --stop-at-end-page");
    EXPECT_EQ(ended.status, 0) << "stopping at End Page is no error";
    EXPECT_EQ(ended.out.rfind("    0.00  page A stops on line 1: End Page\n", 0), 0u) << ended.out;
    EXPECT_EQ(Zoltctl("simulate " + kData + "new.zlp --seconds 1.234").status, 64);
}

}  // namespace
