// The rules of txtTimeCount: which keys it takes, how its text is cut, what a value writes into
// the line code and the limit each function puts on it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace editor {

using LineCode = std::array<int32_t, 4>;  // F, P1, P2, P3

// What the box holds for function code f; None for functions that do not show it.
enum class TimeBoxKind { None, Time, Voltage, Count, RepeatCount };
TimeBoxKind TimeBoxKindOf(int f);

// Longest text the box takes for function f.
int TimeBoxMaxLength(int f);

// Whether the box takes the key typed over text whose selection [selStart, selStart +
// selLength) the key replaces; '\b' (backspace) always passes. Refuses a second point, a point
// where decimals make no sense, a third decimal, a sixth digit before the point of a time, a
// third one before the point of a voltage, and every key that is not a digit.
bool TimeKeyAccepted(int f, std::string_view text, int selStart, int selLength, char key);

// The text the box keeps after a change: two decimals at most; without a point five
// characters for a time and two for a voltage.
std::string CutTimeText(int f, std::string_view text);

// The value of the box's text as the fields read it: its leading number, never below 0.
double TimeBoxValue(std::string_view text);

// Writes value v of the box into code for function f. counterShown is the number the counter
// list shows, which a counter compare packs into P1 beside the value's high part.
void WriteTimeValue(int f, double v, int counterShown, LineCode& code);

// The message for a value over the function's limit ("Time cannot exceed 59999.99"), none when
// v is within it.
std::optional<std::string> TimeLimitMessage(int f, double v);

}  // namespace editor
