// The step of a simulated run, and what it shows.
#include "simulator/Simulator.h"

#include "model/HardwareConfig.h"
#include "model/TextFormat.h"

namespace simulator {

namespace {

constexpr int kShowSetTime = 64;  // option bit of a timer: its panel shows the set time

// The program with the I/O kinds its registers describe.
model::Program Fitted(const model::Program& program) {
    model::Program fitted = program;
    model::RebuildIOType(fitted);
    return fitted;
}

}  // namespace

Simulator::Simulator(const model::Program& program, Options options)
    : program_(Fitted(program)), state_(program_, options), runner_(state_) {}

void Simulator::SetInput(int number, bool on) {
    state_.Io.SetInput(number, on);
}

void Simulator::SetAnalogInput(int number, double volts) {
    state_.Io.SetAnalogInput(number, volts);
}

// Inputs first, then what runs out at this step, then the pages in order, so that a page sees
// at once what the pages before it changed.
void Simulator::Step() {
    state_.Log.SetTime(now_);
    state_.Io.TakeInputs();
    state_.Io.EndPulses(now_);
    state_.Timers.Tick();
    for (int page = 0; page < model::kPageCount; ++page) {
        if (state_.Pages[page].Run == PageRun::Running)
            runner_.Run(page);
    }
    ++now_;
}

bool Simulator::Output(int number) const {
    return state_.Io.Level(number) > 0;
}

int Simulator::AnalogOutput(int number) const {
    return state_.Io.Level(number);
}

bool Simulator::Input(int number) const {
    return state_.Io.InputOn(number);
}

double Simulator::AnalogInput(int number) const {
    return state_.Io.InputCentivolts(number) / 100.0;
}

bool Simulator::TimerRunning(int t) const {
    return state_.Timers.Running(t);
}

long Simulator::TimerLeft(int t) const {
    return state_.Timers.Left(t);
}

int Simulator::Count(int c) const {
    return state_.Counts.at(c - 1);
}

int Simulator::PageLine(int page) const {
    return Page(page).Line;
}

PageRun Simulator::PageState(int page) const {
    return Page(page).Run;
}

const std::string& Simulator::StopReason(int page) const {
    return Page(page).Reason;
}

bool Simulator::StoppedOnError(int page) const {
    return Page(page).OnError;
}

std::string Simulator::TimerPanelText() const {
    return state_.TimerPanel.Text([this](int t) {
        const bool setTime = program_.Tmr.Data[t - 1].Words[12] & kShowSetTime;
        return model::Fix2((setTime ? state_.Timers.SetTime(t) : TimerLeft(t)) / 100.0);
    });
}

std::string Simulator::CounterPanelText() const {
    return state_.CounterPanel.Text([this](int c) { return model::Dec(Count(c)); });
}

std::vector<Event> Simulator::TakeEvents() {
    return state_.Log.Take();
}

void Simulator::SetTracing(bool on) {
    state_.Log.Tracing = on;
}

}  // namespace simulator
