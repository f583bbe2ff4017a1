// The eight timers of the timer module during a run, timing the set times of the timer panel.
#pragma once

#include <array>

#include "model/PanelTables.h"
#include "simulator/EventLog.h"

namespace simulator {

class TimerBank {
  public:
    // settings: the timer panel's, whose set times the timers run for. Changes go to log.
    TimerBank(const model::PanelTables& settings, EventLog& log);

    // A step passes: running timers that are not frozen count down; those that reach 0 run
    // out.
    void Tick();

    // Timers 1..8. A frozen timer counts as running.
    bool Running(int timer) const { return At(timer).Running; }
    long Left(int timer) const { return At(timer).Left; }  // hundredths of a second
    // The timer's set time, in hundredths of a second.
    long SetTime(int timer) const;

    // Runs the full set time from this step on, unfrozen; a set time of 0.00 does not run.
    void Start(int timer);
    // Only a running timer is frozen or thawed.
    void Freeze(int timer);
    void Thaw(int timer);

  private:
    struct Timer {
        bool Running = false;
        bool Frozen = false;
        long Left = 0;
    };

    const Timer& At(int timer) const { return timers_.at(timer - 1); }
    Timer& At(int timer) { return timers_.at(timer - 1); }
    void SetRunning(int timer, bool running);

    const model::PanelTables& settings_;
    EventLog& log_;
    std::array<Timer, model::kEntryCount> timers_;
};

}  // namespace simulator
