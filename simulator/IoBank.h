// The controller's inputs and outputs during a run: what is set on the inputs, taken in at the
// start of a step, and what the lines set on the outputs, with the timed outputs' off times.
#pragma once

#include <array>
#include <vector>

#include "model/IOTables.h"
#include "simulator/EventLog.h"

namespace simulator {

class IoBank {
  public:
    // kinds: the outputs' kinds decide which are analog. Output changes go to log.
    IoBank(const model::IOTypeTable& kinds, EventLog& log);

    // Taken in by the next TakeInputs; numbers outside 0..100 are ignored, volts are held in
    // 0..10.20.
    void SetInput(int input, bool on);
    void SetAnalogInput(int input, double volts);
    void TakeInputs();
    // Timed outputs whose time ends at now go off.
    void EndPulses(long now);

    bool InputOn(int input) const { return inputOn_.at(input); }
    int InputCentivolts(int input) const { return centivolts_.at(input); }

    // Every output holds a percent: a digital one 0 or 100. Above 0 it is on.
    int Level(int output) const { return level_.at(output); }
    // The setters cancel a pending timed off.
    void Switch(int output, bool on);
    void SetPercent(int output, int percent);
    // On at now and off at now + centis, at least one step later; replaces a pending off.
    void Pulse(int output, long centis, long now);

  private:
    struct InputSetting {
        int Input;
        bool Analog;
        bool On;
        int Centivolts;
    };

    void Change(int output, int level);
    void CancelPulse(int output);

    static constexpr long kNoPulse = -1;

    const model::IOTypeTable& kinds_;
    EventLog& log_;
    std::vector<InputSetting> settings_;
    std::array<bool, model::kIONumberCount> inputOn_{};
    std::array<int, model::kIONumberCount> centivolts_{};
    std::array<int, model::kIONumberCount> level_{};
    std::array<long, model::kIONumberCount> offAt_;
    int pulses_ = 0;  // outputs with a pending off
};

}  // namespace simulator
