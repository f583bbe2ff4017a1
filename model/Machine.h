// What a program line acts on while the controller runs it: the page running the line, the
// other pages, the inputs and outputs, the timers, the counters and their panels. Each function
// family says in its own file what its lines do through it; a controller that runs programs
// (the simulator) implements it.
#pragma once

#include <string>

namespace model {

// What Control a Page does to the page it names (its P2).
enum class PageAction { Freeze = 1, Thaw = 2, Reset = 3, Move = 4 };

class Machine {
  public:
    virtual ~Machine() = default;

    // --- The page running the line ---

    // Whether the page has come to this line since it last ran it; a line that stays runs
    // again without coming to it.
    virtual bool FirstRun() const = 0;
    // A number the line keeps for as long as the program runs: a Wait's steps, a Repeat's
    // count.
    virtual long& LineMemory() = 0;
    // The page runs its next line at the next step; from its last slot it stops instead.
    // A line that neither goes on nor jumps runs again at the next step.
    virtual void GoOn() = 0;
    // The page runs line (1-based) at the next step; a line beyond the page stops it.
    virtual void JumpTo(int line) = 0;
    // Back to line 1, or the page stops there when the run is set up so.
    virtual void EndPage() = 0;
    // The page stops on this line for reason; the other pages run on.
    virtual void Stop(const std::string& reason) = 0;

    // --- Pages ---

    // Acts on page 1..6 (A..F); line is the 1-based line of a Move, within that page.
    virtual void ControlPage(int page, PageAction action, int line) = 0;

    // --- Inputs and outputs, by their numbers ---

    virtual bool InputOn(int input) const = 0;
    virtual int InputCentivolts(int input) const = 0;  // hundredths of a volt
    // An analog output counts as on above 0 percent, and switching it sets 100 or 0 percent.
    virtual bool OutputOn(int output) const = 0;
    virtual void SwitchOutput(int output, bool on) = 0;
    // On now and off after centis hundredths of a second (at least one step).
    virtual void PulseOutput(int output, long centis) = 0;
    virtual int AnalogOutput(int output) const = 0;  // percent
    virtual void SetAnalogOutput(int output, int percent) = 0;

    // --- Timers 1..8, with the set times of the timer panel ---

    // A frozen timer counts as running.
    virtual bool TimerRunning(int timer) const = 0;
    virtual void StartTimer(int timer) = 0;
    virtual void FreezeTimer(int timer) = 0;
    virtual void ThawTimer(int timer) = 0;
    virtual void ShowTimer(int timer) = 0;
    virtual void ShowTimerMessage(int message) = 0;

    // --- Counters 1..8 ---

    virtual int Count(int counter) const = 0;
    virtual void SetCount(int counter, int count) = 0;
    virtual void ShowCounter(int counter) = 0;
    virtual void ShowCounterMessage(int message) = 0;
};

}  // namespace model
