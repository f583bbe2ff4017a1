// Line codes of the sample program's functions.
#include "tools/demo/Lines.h"

#include "editor/TimeCountRules.h"
#include "model/FunctionTable.h"

namespace demo {

namespace {

using editor::BcdByte;

constexpr int kOff = 0;
constexpr int kOn = 1;

// Timer operations (P2 of F 32).
enum TimerOperation {
    kTimerOff,
    kTimerOn,
    kTimerFreeze,
    kTimerThaw,
    kTimerStart,
    kTimerWait,
    kTimerDisplay,
    kTimerMessage
};

// Control a Page actions (P2 of F 11).
enum PageAction { kFreeze = 1, kThaw, kReset, kMove };

int Flag(bool set) {
    return set ? kOn : kOff;
}

int PageNumber(char page) {
    return page - 'A' + 1;
}

// `code` with `value` packed into its bytes as the editor's time and count box writes it; its F
// and P2 say which function packs what.
LineCode Packed(LineCode code, double value, int counter = 0) {
    editor::WriteTimeValue(model::LookupFunction(code[0], code[2]), value, counter, code);
    return code;
}

LineCode Timer(int operation, int timer, int p3) {
    return {32, model::kTimerBase + timer, operation, p3};
}

LineCode Page(int action, char page, int p3 = 0) {
    return {11, PageNumber(page), action, p3};
}

}  // namespace

LineCode CheckInput(int input, bool on, int jumpLine) {
    return {1, BcdByte(input), Flag(on), jumpLine};
}

LineCode CheckLevelAbove(int input, double volts, int jumpLine) {
    return Packed({13, BcdByte(input), 0, jumpLine}, volts);
}

LineCode CheckLevelBelow(int input, double volts, int jumpLine) {
    return Packed({14, BcdByte(input), 0, jumpLine}, volts);
}

LineCode CompareInputs(Compare how, int first, int second, int third) {
    return {static_cast<int>(how), BcdByte(first), BcdByte(second), BcdByte(third)};
}

LineCode TurnOn(int output) {
    return {255, BcdByte(output), 0, 0};
}

LineCode TurnOff(int output) {
    return {254, BcdByte(output), 0, 0};
}

LineCode TurnOnFor(int output, double seconds) {
    return Packed({128, BcdByte(output), 0, 0}, seconds);
}

LineCode SetOutput(int output, int percent) {
    return {253, BcdByte(output), 0, editor::PercentByte(percent)};
}

LineCode IncreaseOutput(int output, int percent) {
    return {252, BcdByte(output), 0, editor::PercentByte(percent)};
}

LineCode DecreaseOutput(int output, int percent) {
    return {251, BcdByte(output), 0, editor::PercentByte(percent)};
}

LineCode CheckOutput(int output, bool on, int jumpLine) {
    return {8, BcdByte(output), Flag(on), jumpLine};
}

LineCode Wait(double seconds) {
    return Packed({9, 0, 0, 0}, seconds);
}

LineCode RepeatFrom(int fromLine, int times) {
    return Packed({10, fromLine - 1, 0, 0}, times);
}

LineCode FreezePage(char page) {
    return Page(kFreeze, page);
}

LineCode ThawPage(char page) {
    return Page(kThaw, page);
}

LineCode ResetPage(char page) {
    return Page(kReset, page);
}

LineCode MovePage(char page, int line) {
    return Page(kMove, page, line - 1);
}

LineCode CheckTimer(int timer, bool on, int jumpLine) {
    return Timer(on ? kTimerOn : kTimerOff, timer, jumpLine);
}

LineCode FreezeTimer(int timer) {
    return Timer(kTimerFreeze, timer, 0);
}

LineCode ThawTimer(int timer) {
    return Timer(kTimerThaw, timer, 0);
}

LineCode StartTimer(int timer, bool display) {
    return Timer(kTimerStart, timer, Flag(display));
}

LineCode WaitForTimer(int timer, bool display) {
    return Timer(kTimerWait, timer, Flag(display));
}

LineCode DisplayTimer(int timer) {
    return Timer(kTimerDisplay, timer, 0);
}

// P1 names no timer here; the editor leaves the Timer button's first timer in it.
LineCode TimerPanelMessage(int message) {
    return Timer(kTimerMessage, 1, BcdByte(message));
}

LineCode IncrementCounter(int counter, bool display) {
    return {34, counter, 0, Flag(display)};
}

LineCode DecrementCounter(int counter, bool display) {
    return {35, counter, 0, Flag(display)};
}

LineCode CounterAtOrAbove(int counter, int value, int jumpLine) {
    return Packed({36, counter, 0, jumpLine}, value, counter);
}

LineCode CounterAtOrBelow(int counter, int value, int jumpLine) {
    return Packed({37, counter, 0, jumpLine}, value, counter);
}

LineCode ResetCounter(int counter) {
    return {38, counter, 0, 0};
}

LineCode DisplayCounter(int counter) {
    return {39, counter, 0, 0};
}

// P1 names no counter here; the editor leaves the Counter button's first counter in it.
LineCode CounterPanelMessage(int message) {
    return {40, 1, 0, BcdByte(message)};
}

LineCode EndPage() {
    return {12, 0, 0, 0};
}

}  // namespace demo
