// Timer lines (F 32): the operation is P2, the timer 160 + its number in P1.
#include "model/HardwareConfig.h"
#include "model/LineText.h"
#include "model/Machine.h"
#include "model/Program.h"
#include "model/TextFormat.h"
#include "model/functions/Families.h"
#include "model/functions/LineRules.h"

namespace model::families {

namespace {

constexpr int kTimerCount = 8;
constexpr int kMessageLimit = 16;
constexpr int kDisplayMessage = 7;

std::string DescribeTimer(const Program&, const PgmRecord& r) {
    const std::string n = Dec(r.P1() - kTimerBase);
    switch (r.P2()) {
        case 0:
            return "Check Timer " + n + " For Status OFF" + rules::JumpText(r.P3());
        case 1:
            return "Check Timer " + n + " For Status ON" + rules::JumpText(r.P3());
        case 2:
            return "Freeze Timer " + n;
        case 3:
            return "Thaw Timer " + n;
        case 4:
            return "Start Timer " + n + rules::DisplayItText(r.P3());
        case 5:
            return "Wait for Timer " + n + rules::DisplayItText(r.P3());
        case 6:
            return "Display Timer " + n;
        case kDisplayMessage:
            return "Display Message " + Hex(r.P3()) + " on Timer Panel";
        default:
            return std::string();
    }
}

// A message line reports a missing module like every other timer line, and a message number
// of 0 or above 16 (there is no such message to show).
void CheckTimer(const LineContext& ctx, const PgmRecord& r, std::vector<LineError>& e) {
    if (r.P2() < 0 || r.P2() > kDisplayMessage)
        return;
    if (!model::TimerModuleInstalled(ctx.program))
        e.push_back({50, ""});
    if (r.P2() == kDisplayMessage) {
        const int message = rules::MessageNumber(r.P3());
        if (message == 0 || message > kMessageLimit)
            e.push_back({52, ""});
        return;
    }
    if (r.P1() - kTimerBase > kTimerCount)
        e.push_back({51, ""});
}

// The timer P1 names, or 0 after stopping the page when it names none of the eight.
int TimerOf(Machine& m, const PgmRecord& r) {
    const int timer = r.P1() - kTimerBase;
    if (timer >= 1 && timer <= kTimerCount)
        return timer;
    m.Stop(ErrorMessageText(51));
    return 0;
}

void RunCheckOff(Machine& m, const PgmRecord& r) {
    if (const int t = TimerOf(m, r))
        rules::AfterCheck(m, !m.TimerRunning(t), r.P3());
}

void RunCheckOn(Machine& m, const PgmRecord& r) {
    if (const int t = TimerOf(m, r))
        rules::AfterCheck(m, m.TimerRunning(t), r.P3());
}

// Does `act` to the timer P1 names and goes on.
void ActAndGoOn(Machine& m, const PgmRecord& r, void (Machine::*act)(int)) {
    if (const int t = TimerOf(m, r)) {
        (m.*act)(t);
        m.GoOn();
    }
}

void RunFreeze(Machine& m, const PgmRecord& r) {
    ActAndGoOn(m, r, &Machine::FreezeTimer);
}

void RunThaw(Machine& m, const PgmRecord& r) {
    ActAndGoOn(m, r, &Machine::ThawTimer);
}

void RunStart(Machine& m, const PgmRecord& r) {
    if (const int t = TimerOf(m, r)) {
        m.StartTimer(t);
        if (r.P3() == 1)
            m.ShowTimer(t);
        m.GoOn();
    }
}

// Stays on its line while the timer runs, a frozen one included.
void RunWaitFor(Machine& m, const PgmRecord& r) {
    if (const int t = TimerOf(m, r)) {
        if (r.P3() == 1)
            m.ShowTimer(t);
        if (!m.TimerRunning(t))
            m.GoOn();
    }
}

void RunDisplay(Machine& m, const PgmRecord& r) {
    ActAndGoOn(m, r, &Machine::ShowTimer);
}

void RunMessage(Machine& m, const PgmRecord& r) {
    m.ShowTimerMessage(rules::MessageNumber(r.P3()));
    m.GoOn();
}

// One entry per operation (P2); P1 names the timer except on a message line.
FunctionInfo Operation(int operation, ExecuteFn run, Param p1, Param p3) {
    const LineFields fields{{p1, Param::Operation, p3}};
    return {32, 32, FunctionGroup::Timer, DescribeTimer, CheckTimer, run, fields, operation};
}

}  // namespace

const std::vector<FunctionInfo>& Timer() {
    using P = Param;
    static const std::vector<FunctionInfo> table{
        Operation(0, RunCheckOff, P::Timer, P::JumpLine),
        Operation(1, RunCheckOn, P::Timer, P::JumpLine),
        Operation(2, RunFreeze, P::Timer, P::Unused),
        Operation(3, RunThaw, P::Timer, P::Unused),
        Operation(4, RunStart, P::Timer, P::DisplayFlag),
        Operation(5, RunWaitFor, P::Timer, P::DisplayFlag),
        Operation(6, RunDisplay, P::Timer, P::Unused),
        Operation(kDisplayMessage, RunMessage, P::Unused, P::Message),
        Operation(kOtherOperation, rules::RunUnreadable, P::Unused, P::Unused),
    };
    return table;
}

}  // namespace model::families
