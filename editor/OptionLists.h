// The item texts of the function editor's option lists, as the controller's users know them.
#pragma once

#include <string>
#include <vector>

namespace editor {

using OptionItems = std::vector<std::string>;

const OptionItems& CompareOptions();       // "All On" .. "Any Off", F 2..5
const OptionItems& InputStatusOptions();   // digital Check Input, P2 0/1
const OptionItems& VoltageOptions();       // analog Check Input, F 13/14
const OptionItems& OutputStatusOptions();  // Check Output, P2 0/1
// Output line: on, off, time, and for an analog output the three percentages.
const OptionItems& OutputOptions(bool analog);
const OptionItems& PageActionOptions();  // Control a Page, P2 1..4
const OptionItems& PageLetters();        // "A" .. "F"
const OptionItems& TimerOptions();       // P2 0..7
const OptionItems& CounterOptions();     // F 34..40
const OptionItems& JumpOptions();        // what to do when a check fails
const OptionItems& DisplayOptions();     // whether to show the timer or counter

// Output option index of each kind of Output line.
constexpr int kOutputOn = 0;
constexpr int kOutputOff = 1;
constexpr int kOutputTimed = 2;
constexpr int kOutputSetPercent = 3;  // 4 increase, 5 decrease

// Timer operations (P2) and counter options (F - 34) that the fields treat apart.
constexpr int kTimerDisplayMessage = 7;
constexpr int kCounterDisplayMessage = 6;

}  // namespace editor
