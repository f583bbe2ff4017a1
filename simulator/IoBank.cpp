// Inputs and outputs of a simulated run.
#include "simulator/IoBank.h"

#include <algorithm>
#include <cmath>

namespace simulator {

namespace {

constexpr int kFull = 100;             // percent of an output that is on
constexpr int kMostCentivolts = 1020;  // 10.20 V
constexpr int kLastNumber = 100;       // inputs and outputs are numbered 0..100

bool IsNumber(int n) {
    return n >= 0 && n <= kLastNumber;
}

}  // namespace

IoBank::IoBank(const model::IOTypeTable& kinds, EventLog& log) : kinds_(kinds), log_(log) {
    offAt_.fill(kNoPulse);
}

void IoBank::SetInput(int input, bool on) {
    if (IsNumber(input))
        settings_.push_back({input, false, on, 0});
}

void IoBank::SetAnalogInput(int input, double volts) {
    const int centivolts = static_cast<int>(std::lround(volts * 100));
    if (IsNumber(input))
        settings_.push_back({input, true, false, std::clamp(centivolts, 0, kMostCentivolts)});
}

void IoBank::TakeInputs() {
    for (const InputSetting& s : settings_) {
        if (s.Analog)
            centivolts_[s.Input] = s.Centivolts;
        else
            inputOn_[s.Input] = s.On;
    }
    settings_.clear();
}

void IoBank::EndPulses(long now) {
    for (int n = 0; pulses_ > 0 && n <= kLastNumber; ++n) {
        if (offAt_[n] == now) {
            CancelPulse(n);
            Change(n, 0);
        }
    }
}

void IoBank::Switch(int output, bool on) {
    CancelPulse(output);
    Change(output, on ? kFull : 0);
}

void IoBank::SetPercent(int output, int percent) {
    CancelPulse(output);
    Change(output, percent);
}

void IoBank::Pulse(int output, long centis, long now) {
    CancelPulse(output);
    offAt_.at(output) = now + std::max(centis, 1L);
    ++pulses_;
    Change(output, kFull);
}

void IoBank::CancelPulse(int output) {
    if (offAt_.at(output) == kNoPulse)
        return;
    offAt_[output] = kNoPulse;
    --pulses_;
}

void IoBank::Change(int output, int level) {
    int& now = level_.at(output);
    if (now == level)
        return;
    now = level;
    if (kinds_[output][model::kOutput] == model::kAnalog)
        log_.Add(Event::Kind::Analog, output, level);
    else
        log_.Add(Event::Kind::Output, output, level > 0 ? 1 : 0);
}

}  // namespace simulator
