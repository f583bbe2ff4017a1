// Run mode against an MCU that executes its program, over a pseudo-terminal as zoltctl and the
// window meet it: the rows the trace marks are the lines the program runs, and a line it runs
// for one step or skips is never marked.
#include <gtest/gtest.h>

#include <sstream>

#include "app/sim/SimFiles.h"
#include "app/sim/SimOptions.h"
#include "app/sim/UnitThread.h"
#include "model/ProgramChecksum.h"
#include "tests/link/PcSide.h"
#include "tests/link/RecordingObserver.h"
#include "tests/simulator/RunTrace.h"

namespace {

// Page A waits 0.80 s on line 1, jumps from line 2 over line 3 to wait on line 4, and ends on
// line 5: the trace reports each page's line every 100 ms, and the PC marks a line reported
// twice in a row.
TEST(ExecutedRunPty, MarksTheLinesTheProgramWaitsOnInTheOrderItRunsThem) {
    model::Program program = simtrace::Plant();
    simtrace::PutLines(
        program,
        {{{9, 0, 0, 80}, {1, 0x01, 1, 4}, {255, 0x01, 0, 0}, {9, 0, 0, 80}, {12, 0, 0, 0}}});
    model::StoreProgramChecksum(program);
    sim::UnitSetup setup;
    setup.PowerUpDelay = sim::Millis(5);
    setup.Execute = true;
    setup.Memory = sim::ImageOfProgram(program);
    sim::UnitThread unit(setup, false);
    ASSERT_EQ(unit.Error(), "");
    linktest::PcSide<linktest::RecordingObserver> pc;
    ASSERT_TRUE(pc.link.Connect(unit.DevicePath(), 0).Ok());
    ASSERT_TRUE(pc.link.WaitForUnit(5000).Ok());
    comm::TraceView view;
    view.RowLines = {1, 2, 3, 4, 5};
    pc.link.SetTraceView(view);
    ASSERT_TRUE(pc.link.Run(program).Ok());
    pc.pump.PumpUntil([] { return false; }, 3000);
    pc.link.Stop();

    std::vector<int> marked;
    for (const auto& [previous, row] : pc.observer.TraceRows)
        marked.push_back(view.RowLines[row]);
    ASSERT_GE(marked.size(), 3u);
    for (std::size_t i = 0; i < marked.size(); ++i)
        EXPECT_EQ(marked[i], i % 2 == 0 ? 1 : 4) << "mark " << i;
}

TEST(ExecutedRunPty, ExecuteReachesTheUnitButNotBesideAScriptedTrace) {
    sim::SimOptions options;
    EXPECT_EQ(sim::ParseSimOptions({"--execute", "--memory", "m.zlp"}, options), "");
    EXPECT_TRUE(options.Setup.Execute);
    sim::SimOptions both;
    EXPECT_EQ(sim::ParseSimOptions({"--execute", "--trace", "t.txt"}, both),
              "--execute and --trace exclude each other");
}

}  // namespace
