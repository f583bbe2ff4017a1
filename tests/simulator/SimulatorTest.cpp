// Why a page stopped and where, as the user reads it; what the virtual panels show; the input
// script.
#include <gtest/gtest.h>

#include "tests/simulator/RunTrace.h"
#include "tests/support/RowName.h"

namespace {

using simtrace::Code;

struct StopCase {
    const char* name;
    int page;  // 1..6
    int line;
    Code code;
    const char* reason;
};

class PageStop : public testing::TestWithParam<StopCase> {};

// A new program (no modules, inputs 1..6, outputs 1..4) with the line, after blank lines.
TEST_P(PageStop, StopsOnItsLineWithTheErrorLogsWords) {
    const StopCase& c = GetParam();
    model::Program program;
    model::MakeNewProgram(program);
    std::vector<Code> lines(c.line - 1, Code{});
    lines.push_back(c.code);
    std::vector<std::vector<Code>> pages(c.page);
    pages.back() = lines;
    simtrace::PutLines(program, pages);
    simulator::Simulator sim(program);
    simtrace::RunUntil(sim, "", 100);
    EXPECT_EQ(sim.PageState(c.page), simulator::PageRun::Stopped);
    EXPECT_TRUE(sim.StoppedOnError(c.page));
    EXPECT_EQ(sim.PageLine(c.page), c.line);
    EXPECT_EQ(sim.StopReason(c.page), c.reason);
    EXPECT_EQ(sim.PageState(c.page == 1 ? 2 : 1), simulator::PageRun::Running);
}

const StopCase kStops[] = {
    {"UnknownCode", 1, 1, {7, 0, 0, 0}, "Error reading the function code for this line."},
    {"InputNotInstalled", 1, 1, {1, 0x07, 1, 0}, "Input is not installed."},
    {"ThirdInputNotInstalled", 1, 1, {2, 0x01, 0x02, 0x07}, "Third Input is not installed."},
    {"OutputNotInstalled", 2, 1, {255, 0x05, 0, 0}, "Output is not installed."},
    {"AnalogLineOnADigitalOutput",
     1,
     1,
     {253, 0x01, 0, 0x50},
     "Analog function used on a digital output."},
    {"NoTimerModule", 1, 1, {32, 161, 4, 0}, "The Timer Module is not installed."},
    {"JumpBeyondPageB", 2, 1, {1, 0x01, 1, 76}, "Maximum number of lines on Pages B - F is 75."},
    {"GoingOnPastTheLastSlot",
     3,
     75,
     {0, 0, 0, 0},
     "Maximum number of lines on Pages B - F is 75."},
};
INSTANTIATE_TEST_SUITE_P(Simulator, PageStop, testing::ValuesIn(kStops), testsupport::RowName());

// The timer panel shows the time left, or the set time when the timer's option says so.
TEST(SimulatorPanels, ShowTheLastDisplayLineWithItsValueAsItChanges) {
    model::Program program = simtrace::Plant();
    simtrace::PutLines(program, {{{32, 161, 4, 1},
                                  {34, 1, 0, 1},
                                  {9, 0, 0, 2},
                                  {40, 0, 0, 0x03},
                                  {32, 161, 7, 0x16},
                                  {9, 0, 1, 0}}});
    simulator::Simulator sim(program);
    EXPECT_EQ(sim.TimerPanelText() + sim.CounterPanelText(), "");
    simtrace::RunUntil(sim, "", 2);
    EXPECT_EQ(sim.TimerPanelText(), "Timer 1\n0.04");
    EXPECT_EQ(sim.CounterPanelText(), "Counter 1\n1");
    simtrace::RunUntil(sim, "", 6);
    EXPECT_EQ(sim.CounterPanelText(), "Message 3\n");
    EXPECT_EQ(sim.TimerPanelText(), "") << "there is no message 16";

    program.Tmr.Data[0].Words[12] = 64;
    simulator::Simulator setTime(program);
    simtrace::RunUntil(setTime, "", 3);
    EXPECT_EQ(setTime.TimerPanelText(), "Timer 1\n0.05");
}

TEST(InputScript, ChangesComeInTimeOrderAndABadLineIsNamed) {
    std::istringstream script("1.5 in 3 on\n# a comment\n\n0.25 in 91 6.2\n1.5 in 3 off\n");
    std::vector<simulator::InputChange> changes;
    ASSERT_EQ(simulator::ReadInputScript(script, changes), "");
    ASSERT_EQ(changes.size(), 3u);
    EXPECT_EQ(std::tie(changes[0].Centis, changes[0].Input, changes[0].Analog),
              std::make_tuple(25L, 91, true));
    EXPECT_DOUBLE_EQ(changes[0].Volts, 6.2);
    EXPECT_EQ(std::tie(changes[1].Centis, changes[1].On, changes[2].On),
              std::make_tuple(150L, true, false));

    for (const char* bad : {"1.234 in 1 on", "1 in 101 on", "1 out 1 on", "1 in 1 10.21",
                            "1 in 1 on now", "1 in 1", "-1 in 1 on"}) {
        std::istringstream lines(std::string("0 in 1 on\n") + bad);
        std::vector<simulator::InputChange> read;
        EXPECT_EQ(simulator::ReadInputScript(lines, read).rfind("line 2: ", 0), 0u) << bad;
    }
}

}  // namespace
