// Runs a program as the controller would, on a simulated clock of 10 ms steps, with virtual
// inputs, outputs, timers, counters and panels. Each step every running page A..F runs at most
// one line, in page order; what the lines do comes from the function table. The same program,
// options and inputs always give the same run.
//
// Use:
//   simulator::Simulator sim(program);
//   sim.SetInput(1, true);           // taken in at the next step
//   while (sim.Now() < 1000) sim.Step();
//   for (const simulator::Event& e : sim.TakeEvents()) ...
//
// Pages are numbered 1..6 (A..F), timers and counters 1..8, inputs and outputs by their I/O
// numbers 0..100: asking about another number throws std::out_of_range, setting an input of
// another number does nothing. Times are hundredths of a second.
#pragma once

#include <string>
#include <vector>

#include "model/Program.h"
#include "simulator/LineRunner.h"
#include "simulator/RunState.h"
#include "simulator/RunTypes.h"

namespace simulator {

class Simulator {
  public:
    // Runs a copy of program: later edits of it do not reach the run.
    explicit Simulator(const model::Program& program, Options options = {});
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    void SetInput(int number, bool on);             // applies at the start of the next step
    void SetAnalogInput(int number, double volts);  // 0..10.20, likewise
    void Step();                                    // one 10 ms step
    long Now() const { return now_; }               // centiseconds of the next step

    bool Output(int number) const;
    int AnalogOutput(int number) const;  // percent 0..100; a digital output's on is 100
    bool Input(int number) const;
    double AnalogInput(int number) const;
    bool TimerRunning(int t) const;
    long TimerLeft(int t) const;  // centiseconds
    int Count(int c) const;
    int PageLine(int page) const;  // 1-based line the page stands on
    PageRun PageState(int page) const;
    // Why the page stopped: the error, or "End Page" when the run stops pages there; empty
    // while it has not stopped.
    const std::string& StopReason(int page) const;
    // Whether the page stopped on an error (never to run again).
    bool StoppedOnError(int page) const;

    // What the virtual panels display: two rows with "\n" between them, the name of the timer
    // or counter last displayed and its time ("0.00": set or left, as its panel setting says)
    // or count, or the top and bottom line of the message; empty before anything was
    // displayed.
    std::string TimerPanelText() const;
    std::string CounterPanelText() const;

    // Events since the last call, in order (Line events only while tracing).
    std::vector<Event> TakeEvents();
    void SetTracing(bool on);

  private:
    const simulator::PageState& Page(int page) const { return state_.Pages.at(page - 1); }

    const model::Program program_;
    RunState state_;
    LineRunner runner_;
    long now_ = 0;
};

}  // namespace simulator
