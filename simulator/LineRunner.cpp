// One line of one page run at a step.
#include "simulator/LineRunner.h"

#include "model/LineText.h"

namespace simulator {

namespace {

const char* const kEndPage = "End Page";

// The error log's words for a line beyond page p.
const char* BeyondPage(int page) {
    return model::ErrorMessageText(page == 0 ? 10 : 11);
}

}  // namespace

LineRunner::LineRunner(RunState& state) : state_(state) {}

void LineRunner::Run(int page) {
    pageIndex_ = page;
    page_ = &state_.Pages[page];
    line_ = &state_.Lines.At(page, page_->Line);
    if (state_.Log.Tracing)
        state_.Log.Add(Event::Kind::Line, page + 1, page_->Line, line_->Text);
    firstRun_ = page_->Entered;
    page_->Entered = false;
    if (!line_->Fault.empty())
        Stop(line_->Fault);
    else
        line_->Function->Execute(*this, *line_->Record);
}

void LineRunner::MoveTo(int line) {
    if (line < 1 || line > model::PageCapacity(pageIndex_)) {
        Stop(BeyondPage(pageIndex_));
        return;
    }
    page_->Line = line;
    page_->Entered = true;
}

void LineRunner::GoOn() {
    MoveTo(page_->Line + 1);
}

void LineRunner::JumpTo(int line) {
    MoveTo(line);
}

void LineRunner::EndPage() {
    if (state_.Settings.StopAtEndPage)
        Halt(kEndPage, false);
    else
        MoveTo(1);
}

void LineRunner::Stop(const std::string& reason) {
    Halt(reason, true);
}

void LineRunner::Halt(const std::string& reason, bool onError) {
    page_->Run = PageRun::Stopped;
    page_->OnError = onError;
    page_->Reason = reason;
    state_.Log.Add(Event::Kind::Stop, pageIndex_ + 1, page_->Line, reason);
}

// A page stopped on an error stays stopped; one stopped at its End Page starts again on a
// Reset or Move.
void LineRunner::ControlPage(int page, model::PageAction action, int line) {
    PageState& target = state_.Pages[page - 1];
    if (target.OnError)
        return;
    switch (action) {
        case model::PageAction::Freeze:
            if (target.Run == PageRun::Running)
                target.Run = PageRun::Frozen;
            return;
        case model::PageAction::Thaw:
            if (target.Run == PageRun::Frozen)
                target.Run = PageRun::Running;
            return;
        case model::PageAction::Reset:
        case model::PageAction::Move:
            target.Line = action == model::PageAction::Reset ? 1 : line;
            target.Entered = true;
            target.Run = PageRun::Running;
            target.Reason.clear();
            return;
    }
}

bool LineRunner::InputOn(int input) const {
    return state_.Io.InputOn(input);
}

int LineRunner::InputCentivolts(int input) const {
    return state_.Io.InputCentivolts(input);
}

bool LineRunner::OutputOn(int output) const {
    return state_.Io.Level(output) > 0;
}

void LineRunner::SwitchOutput(int output, bool on) {
    state_.Io.Switch(output, on);
}

void LineRunner::PulseOutput(int output, long centis) {
    state_.Io.Pulse(output, centis, state_.Log.Now());
}

int LineRunner::AnalogOutput(int output) const {
    return state_.Io.Level(output);
}

void LineRunner::SetAnalogOutput(int output, int percent) {
    state_.Io.SetPercent(output, percent);
}

bool LineRunner::TimerRunning(int timer) const {
    return state_.Timers.Running(timer);
}

void LineRunner::StartTimer(int timer) {
    state_.Timers.Start(timer);
}

void LineRunner::FreezeTimer(int timer) {
    state_.Timers.Freeze(timer);
}

void LineRunner::ThawTimer(int timer) {
    state_.Timers.Thaw(timer);
}

void LineRunner::ShowTimer(int timer) {
    state_.TimerPanel.ShowEntry(timer);
}

void LineRunner::ShowTimerMessage(int message) {
    state_.TimerPanel.ShowMessage(message);
}

int LineRunner::Count(int counter) const {
    return state_.Counts.at(counter - 1);
}

void LineRunner::SetCount(int counter, int count) {
    int& held = state_.Counts.at(counter - 1);
    if (held == count)
        return;
    held = count;
    state_.Log.Add(Event::Kind::Counter, counter, count);
}

void LineRunner::ShowCounter(int counter) {
    state_.CounterPanel.ShowEntry(counter);
}

void LineRunner::ShowCounterMessage(int message) {
    state_.CounterPanel.ShowMessage(message);
}

}  // namespace simulator
