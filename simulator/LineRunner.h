// Runs the line a page stands on: the controller as that line sees it (model::Machine) over the
// run's state.
#pragma once

#include "model/Machine.h"
#include "simulator/RunState.h"

namespace simulator {

class LineRunner : private model::Machine {
  public:
    explicit LineRunner(RunState& state);

    // Page 0..5 runs the line it stands on, or stops on it when the line cannot run.
    void Run(int page);

  private:
    bool FirstRun() const override { return firstRun_; }
    long& LineMemory() override { return line_->Memory; }
    void GoOn() override;
    void JumpTo(int line) override;
    void EndPage() override;
    void Stop(const std::string& reason) override;
    void ControlPage(int page, model::PageAction action, int line) override;

    bool InputOn(int input) const override;
    int InputCentivolts(int input) const override;
    bool OutputOn(int output) const override;
    void SwitchOutput(int output, bool on) override;
    void PulseOutput(int output, long centis) override;
    int AnalogOutput(int output) const override;
    void SetAnalogOutput(int output, int percent) override;

    bool TimerRunning(int timer) const override;
    void StartTimer(int timer) override;
    void FreezeTimer(int timer) override;
    void ThawTimer(int timer) override;
    void ShowTimer(int timer) override;
    void ShowTimerMessage(int message) override;

    int Count(int counter) const override;
    void SetCount(int counter, int count) override;
    void ShowCounter(int counter) override;
    void ShowCounterMessage(int message) override;

    // The page running goes to line; a line beyond its slots stops it instead.
    void MoveTo(int line);
    // Stops the running page on its line for reason; onError: nothing starts it again.
    void Halt(const std::string& reason, bool onError);

    RunState& state_;
    int pageIndex_ = 0;
    PageState* page_ = nullptr;
    LineTable::Line* line_ = nullptr;
    bool firstRun_ = false;
};

}  // namespace simulator
