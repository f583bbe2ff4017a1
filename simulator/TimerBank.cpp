// Timers of a simulated run.
#include "simulator/TimerBank.h"

namespace simulator {

TimerBank::TimerBank(const model::PanelTables& settings, EventLog& log)
    : settings_(settings), log_(log) {}

void TimerBank::Tick() {
    for (int t = 1; t <= model::kEntryCount; ++t) {
        Timer& timer = At(t);
        if (timer.Running && !timer.Frozen && --timer.Left <= 0)
            SetRunning(t, false);
    }
}

// Words 0 and 1 of the set time group hold whole seconds, word 2 the hundredths.
long TimerBank::SetTime(int timer) const {
    const auto& words = settings_.Data.at(timer - 1).Words;
    return (words[0] * 256L + words[1]) * 100 + words[2];
}

void TimerBank::Start(int timer) {
    Timer& t = At(timer);
    t.Left = SetTime(timer);
    t.Frozen = false;
    SetRunning(timer, t.Left > 0);
}

void TimerBank::Freeze(int timer) {
    Timer& t = At(timer);
    t.Frozen = t.Running;
}

void TimerBank::Thaw(int timer) {
    At(timer).Frozen = false;
}

void TimerBank::SetRunning(int timer, bool running) {
    Timer& t = At(timer);
    if (!running)
        t.Left = 0;
    if (t.Running == running)
        return;
    t.Running = running;
    log_.Add(Event::Kind::Timer, timer, running ? 1 : 0);
}

}  // namespace simulator
