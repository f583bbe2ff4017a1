// The sample program's lines by function, coded as the function editor stores them: I/O and
// message numbers in BCD, times, levels and counts packed by the editor's own rules.
#pragma once

#include "editor/FieldCodes.h"

namespace demo {

using editor::LineCode;

// I/O numbers, timers and counters are those of Plant.h; jump lines are 1-based lines of the
// same page, 0 for none (the line then waits until its check holds).

LineCode CheckInput(int input, bool on, int jumpLine = 0);
LineCode CheckLevelAbove(int input, double volts, int jumpLine = 0);
LineCode CheckLevelBelow(int input, double volts, int jumpLine = 0);

enum class Compare { AllOn = 2, AllOff = 3, AnyOn = 4, AnyOff = 5 };
// Two inputs, or three when third is not 0.
LineCode CompareInputs(Compare how, int first, int second, int third = 0);

LineCode TurnOn(int output);
LineCode TurnOff(int output);
LineCode TurnOnFor(int output, double seconds);
LineCode SetOutput(int output, int percent);
LineCode IncreaseOutput(int output, int percent);
LineCode DecreaseOutput(int output, int percent);
LineCode CheckOutput(int output, bool on, int jumpLine = 0);

LineCode Wait(double seconds);
// Runs lines fromLine up to this one again `times` times.
LineCode RepeatFrom(int fromLine, int times);

// Pages by letter, 'A'..'F'.
LineCode FreezePage(char page);
LineCode ThawPage(char page);
LineCode ResetPage(char page);
LineCode MovePage(char page, int line);

LineCode CheckTimer(int timer, bool on, int jumpLine = 0);
LineCode FreezeTimer(int timer);
LineCode ThawTimer(int timer);
LineCode StartTimer(int timer, bool display = false);
LineCode WaitForTimer(int timer, bool display = false);
LineCode DisplayTimer(int timer);
LineCode TimerPanelMessage(int message);

LineCode IncrementCounter(int counter, bool display = false);
LineCode DecrementCounter(int counter, bool display = false);
LineCode CounterAtOrAbove(int counter, int value, int jumpLine = 0);
LineCode CounterAtOrBelow(int counter, int value, int jumpLine = 0);
LineCode ResetCounter(int counter);
LineCode DisplayCounter(int counter);
LineCode CounterPanelMessage(int message);

LineCode EndPage();

}  // namespace demo
