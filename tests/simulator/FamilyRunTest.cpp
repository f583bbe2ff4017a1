// What each family's lines do when run, one table per family, one row per rule: the trace of a
// few steps of a small plant (RunTrace.h), inputs set by an input script.
#include <gtest/gtest.h>

#include "tests/simulator/RunTrace.h"
#include "tests/support/RowName.h"

namespace {

using simtrace::Code;
using Pages = std::vector<std::vector<Code>>;  // lines of pages A, B, ... from line 1

struct RunCase {
    const char* name;
    Pages pages;
    const char* inputs;
    long steps;
    const char* trace;
    simulator::Options options = {};
};

class FamilyRun : public testing::TestWithParam<RunCase> {};

TEST_P(FamilyRun, TracesTheStepsTheControllerTakes) {
    const RunCase& c = GetParam();
    model::Program program = simtrace::Plant();
    simtrace::PutLines(program, c.pages);
    simulator::Simulator sim(program, c.options);
    sim.SetTracing(true);
    simtrace::RunUntil(sim, c.inputs, c.steps);
    EXPECT_EQ(simtrace::Compact(sim.TakeEvents(), c.pages.size()), c.trace);
}

const Code kEnd{12, 0, 0, 0};
const Code kOut1{255, 0x01, 0, 0};
const Code kOut2{255, 0x02, 0, 0};
const Code kWait1s{9, 0, 1, 0};
const Code kCount1{34, 1, 0, 0};
const simulator::Options kStopAtEndPage{true, false};
const simulator::Options kLaterPagesFrozen{false, true};

const RunCase kInputRows[] = {
    {"CheckThatHoldsGoesOn", Pages{{{1, 0x01, 1, 0}, kOut1, kEnd}}, "0 in 1 on", 4,
     "0:A1 1:A2 1:out1=1 2:A3 3:A1"},
    {"CheckThatFailsGoesToItsJumpLine", Pages{{{1, 0x01, 1, 3}, kOut1, kOut2}}, "", 2,
     "0:A1 1:A3 1:out2=1"},
    {"CheckThatFailsWithoutJumpIsCheckedAgainEachStep", Pages{{{1, 0x01, 1, 0}, kOut1}},
     "0.03 in 1 on", 5, "0:A1 4:A2 4:out1=1"},
    {"VoltageAboveIsStrict", Pages{{{13, 0x91, 150, 0}, kOut1}}, "0 in 91 6.00\n0.02 in 91 6.01", 4,
     "0:A1 3:A2 3:out1=1"},
    {"VoltageBelowIsStrict", Pages{{{14, 0x91, 150, 0}, kOut1}}, "0 in 91 6\n0.02 in 91 5.99", 4,
     "0:A1 3:A2 3:out1=1"},
    {"CompareAllOnWaitsForTheThirdInput", Pages{{{2, 0x01, 0x02, 0x03}, kOut1}},
     "0 in 1 on\n0 in 2 on\n0.02 in 3 on", 4, "0:A1 3:A2 3:out1=1"},
    {"CompareAllOffWaitsForTheLastInputOn", Pages{{{3, 0x01, 0x02, 0}, kOut1}},
     "0 in 1 on\n0.02 in 1 off", 4, "0:A1 3:A2 3:out1=1"},
    {"CompareAnyOnWaitsForOne", Pages{{{4, 0x01, 0x02, 0}, kOut1}}, "0.01 in 2 on", 3,
     "0:A1 2:A2 2:out1=1"},
    {"CompareAnyOffOfTwoWaitsForEither", Pages{{{5, 0x01, 0x02, 0}, kOut1}},
     "0 in 1 on\n0 in 2 on\n0.02 in 2 off", 4, "0:A1 3:A2 3:out1=1"},
};
INSTANTIATE_TEST_SUITE_P(Inputs, FamilyRun, testing::ValuesIn(kInputRows), testsupport::RowName());

const RunCase kOutputRows[] = {
    {"OnAndOffSwitchAndGoOn", Pages{{kOut1, {254, 0x01, 0, 0}}}, "", 3,
     "0:A1 0:out1=1 1:A2 1:out1=0 2:A3"},
    {"TimedOutputIsOnForItsTimeWhileThePageGoesOn", Pages{{{128 + 50, 0x01, 0, 0}, kWait1s}}, "",
     60, "0:A1 0:out1=1 1:A2 50:out1=0"},
    {"TimedOutputOfNoTimeLastsOneStep", Pages{{{128, 0x01, 0, 0}, kWait1s}}, "", 5,
     "0:A1 0:out1=1 1:out1=0 1:A2"},
    {"TurnOnCancelsAPendingTimedOff", Pages{{{128 + 50, 0x01, 0, 0}, kOut1, kWait1s}}, "", 60,
     "0:A1 0:out1=1 1:A2 2:A3"},
    {"NewTimedOutputReplacesThePendingOff",
     Pages{{{128 + 50, 0x01, 0, 0}, {128 + 10, 0x01, 0, 0}, kWait1s}}, "", 60,
     "0:A1 0:out1=1 1:A2 2:A3 11:out1=0"},
    {"AnalogSetIncreaseAndDecreaseStayWithin0And100",
     Pages{{{253, 0x91, 0, 0x60}, {252, 0x91, 0, 0x50}, {251, 0x91, 0, 160}}}, "", 3,
     "0:A1 0:ana91=60 1:A2 1:ana91=100 2:A3 2:ana91=0"},
    {"AnAnalogOutputTurnedOnIsFull", Pages{{{255, 0x91, 0, 0}}}, "", 1, "0:A1 0:ana91=100"},
    {"CheckOutputReadsTheOutput", Pages{{kOut1, {8, 0x01, 1, 0}, kOut2, {8, 0x02, 0, 1}}}, "", 4,
     "0:A1 0:out1=1 1:A2 2:A3 2:out2=1 3:A4"},
};
INSTANTIATE_TEST_SUITE_P(Outputs, FamilyRun, testing::ValuesIn(kOutputRows),
                         testsupport::RowName());

const RunCase kFlowRows[] = {
    {"WaitOf1Point50FromStep0LetsTheNextLineRunAt150", Pages{{{9, 0, 1, 50}, kOut1}}, "", 151,
     "0:A1 150:A2 150:out1=1"},
    {"WaitsOfNoTimeAndOneHundredthTakeOneStep", Pages{{{9, 0, 0, 0}, {9, 0, 0, 1}, kOut1}}, "", 3,
     "0:A1 1:A2 2:A3 2:out1=1"},
    {"RepeatOf3GoesBack3TimesThenOnAndCountsAfreshOncePassed",
     Pages{{kCount1, {10, 0, 0, 3}, kEnd}}, "", 12,
     "0:A1 0:ctr1=1 1:A2 2:A1 2:ctr1=2 3:A2 4:A1 4:ctr1=3 5:A2 6:A1 6:ctr1=4 7:A2 8:A3 9:A1 "
     "9:ctr1=5 10:A2 11:A1 11:ctr1=6"},
    {"EndPageGoesBackToLine1", Pages{{kCount1, kEnd}}, "", 3, "0:A1 0:ctr1=1 1:A2 2:A1 2:ctr1=2"},
    {"EndPageStopsThePageWhenAsked", Pages{{kCount1, kEnd}}, "", 3, "0:A1 0:ctr1=1 1:A2 1:stopA2",
     kStopAtEndPage},
};
INSTANTIATE_TEST_SUITE_P(Flow, FamilyRun, testing::ValuesIn(kFlowRows), testsupport::RowName());

const RunCase kPageRows[] = {
    {"FreezeHoldsAPageThatThawRunsAgainInTheSameStep",
     Pages{{{11, 2, 1, 0}, {9, 0, 0, 5}, {11, 2, 2, 0}, kWait1s}, {kCount1, kEnd}}, "", 9,
     "0:A1 1:A2 6:A3 6:B1 6:ctr1=1 7:A4 7:B2 8:B1 8:ctr1=2"},
    {"AFrozenPagesWaitIsPaused",
     Pages{{{9, 0, 0, 3}, {11, 2, 1, 0}, {9, 0, 0, 5}, {11, 2, 2, 0}, kWait1s},
           {{9, 0, 0, 10}, kOut1}},
     "", 17, "0:A1 0:B1 3:A2 4:A3 9:A4 10:A5 16:B2 16:out1=1"},
    {"ResetRunsAFrozenPageFromLine1",
     Pages{{{9, 0, 0, 2}, {11, 2, 3, 0}, kWait1s}, {kOut1, kWait1s}}, "", 4,
     "0:A1 2:A2 2:B1 2:out1=1 3:A3 3:B2", kLaterPagesFrozen},
    {"ResetOfARunningPageRunsItsLine1",
     Pages{{{9, 0, 0, 5}, {11, 2, 3, 0}, kWait1s}, {kOut1, kWait1s}}, "", 7,
     "0:A1 0:B1 0:out1=1 1:B2 5:A2 5:B1 6:A3 6:B2"},
    {"MoveRunsTheLineInTheSameStepOnALaterPage",
     Pages{{{11, 2, 4, 2}, kWait1s}, {kWait1s, kEnd, kOut1}}, "", 1, "0:A1 0:B3 0:out1=1"},
    {"APageThatFreezesItselfGoesOnAfterTheFreezeWhenThawed",
     Pages{{{11, 1, 1, 0}, kOut1}, {{9, 0, 0, 3}, {11, 1, 2, 0}, kWait1s}}, "", 5,
     "0:A1 0:B1 3:B2 4:A2 4:out1=1 4:B3"},
    {"APageThatResetsItselfRunsLine1Next", Pages{{kCount1, {11, 1, 3, 0}}}, "", 3,
     "0:A1 0:ctr1=1 1:A2 2:A1 2:ctr1=2"},
    {"ResetStartsAPageStoppedAtItsEndPageAgain",
     Pages{{kEnd}, {{9, 0, 0, 2}, {11, 1, 3, 0}, kWait1s}}, "", 4,
     "0:A1 0:stopA1 0:B1 2:B2 3:stopA1 3:B3", kStopAtEndPage},
    {"APageStoppedOnAnErrorStaysStopped", Pages{{{7, 0, 0, 0}}, {{11, 1, 3, 0}, kWait1s}}, "", 3,
     "0:A1 0:stopA1 0:B1 1:B2"},
    {"MoveBeyondTheOtherPageStopsTheActingPage", Pages{{{11, 2, 4, 75}}}, "", 1, "0:A1 0:stopA1"},
    {"NoSuchPageStopsTheActingPage", Pages{{{11, 7, 1, 0}}}, "", 1, "0:A1 0:stopA1"},
    {"NoSuchActionStopsTheActingPage", Pages{{{11, 2, 5, 0}}}, "", 1, "0:A1 0:stopA1"},
};
INSTANTIATE_TEST_SUITE_P(ControlPage, FamilyRun, testing::ValuesIn(kPageRows),
                         testsupport::RowName());

const Code kStart1{32, 161, 4, 0};
const Code kWaitFor1{32, 161, 5, 0};
const Code kFreeze1{32, 161, 2, 0};

const RunCase kTimerRows[] = {
    {"StartRunsTheSetTimeThatWaitForTimerWaitsOut", Pages{{kStart1, kWaitFor1, kOut1}}, "", 7,
     "0:A1 0:tmr1=1 1:A2 5:tmr1=0 6:A3 6:out1=1"},
    {"StatusOnFailsToItsJumpLineWhileNotRunning", Pages{{{32, 161, 1, 3}, kOut1, kOut2}}, "", 2,
     "0:A1 1:A3 1:out2=1"},
    {"StatusOffWaitsUntilTheTimerRunsOut", Pages{{kStart1, {32, 161, 0, 0}, kOut1}}, "", 7,
     "0:A1 0:tmr1=1 1:A2 5:tmr1=0 6:A3 6:out1=1"},
    {"FreezePausesATimerThatThawResumes",
     Pages{{kStart1, kFreeze1, {9, 0, 0, 10}, {32, 161, 3, 0}, kWaitFor1, kEnd}}, "", 18,
     "0:A1 0:tmr1=1 1:A2 2:A3 12:A4 13:A5 16:tmr1=0 17:A6"},
    {"StartOnAFrozenTimerRestartsItsFullTimeRunning",
     Pages{{kStart1, kFreeze1, {9, 0, 0, 2}, kStart1, kWaitFor1}}, "", 11,
     "0:A1 0:tmr1=1 1:A2 2:A3 4:A4 5:A5 9:tmr1=0 10:A6"},
    {"SetTimeOfNoTimeDoesNotRun", Pages{{{32, 162, 4, 0}, {32, 162, 1, 0}}}, "", 3, "0:A1 1:A2"},
    {"TimerNumberOutside1To8StopsThePage", Pages{{{32, 160, 4, 0}}}, "", 1, "0:A1 0:stopA1"},
    {"TimerOperationAbove7StopsThePage", Pages{{{32, 161, 8, 0}}}, "", 1, "0:A1 0:stopA1"},
};
INSTANTIATE_TEST_SUITE_P(Timers, FamilyRun, testing::ValuesIn(kTimerRows), testsupport::RowName());

const RunCase kCounterRows[] = {
    {"IncrementDecrementAndResetActOnTheCount",
     Pages{{kCount1, kCount1, {35, 1, 0, 0}, {38, 1, 0, 0}}}, "", 4,
     "0:A1 0:ctr1=1 1:A2 1:ctr1=2 2:A3 2:ctr1=1 3:A4 3:ctr1=0"},
    {"DecrementStaysAt0", Pages{{{35, 1, 0, 0}, kWait1s}}, "", 2, "0:A1 1:A2"},
    {"AtOrAboveHoldsFromTheValueOn", Pages{{kCount1, {36, 0x01, 2, 1}, kOut1}}, "", 5,
     "0:A1 0:ctr1=1 1:A2 2:A1 2:ctr1=2 3:A2 4:A3 4:out1=1"},
    {"AtOrAboveReadsTheHighPartOfTheValue", Pages{{{36, 0x11, 0, 3}, kOut1, kOut2}}, "", 2,
     "0:A1 1:A3 1:out2=1"},
    {"AtOrBelowHoldsAtTheValue", Pages{{{37, 0x01, 0, 0}, kOut1}}, "", 2, "0:A1 1:A2 1:out1=1"},
    {"CounterNumberOutside1To8StopsThePage", Pages{{{34, 0, 0, 0}}}, "", 1, "0:A1 0:stopA1"},
};
INSTANTIATE_TEST_SUITE_P(Counters, FamilyRun, testing::ValuesIn(kCounterRows),
                         testsupport::RowName());

}  // namespace
