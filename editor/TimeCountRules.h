// The rules of txtTimeCount, which edits the quantity a line packs (a time, a voltage, a
// count): which keys it takes, how its text is cut, how it reads and writes the line code and
// the limit of each quantity.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "editor/FieldCodes.h"
#include "model/FunctionTable.h"

namespace editor {

// Longest text the box takes for quantity q; 0 for a line that packs none.
int TimeBoxMaxLength(model::Quantity q);

// Whether the box takes the key typed over text whose selection [selStart, selStart +
// selLength) the key replaces; '\b' (backspace) always passes. Refuses a second point, a point
// where decimals make no sense, a third decimal, a sixth digit before the point of a time, a
// third one before the point of a voltage, and every key that is not a digit.
bool TimeKeyAccepted(model::Quantity q, std::string_view text, int selStart, int selLength,
                     char key);

// The text the box keeps after a change: two decimals at most; without a point five
// characters for a time and two for a voltage.
std::string CutTimeText(model::Quantity q, std::string_view text);

// The value of the box's text as the fields read it: its leading number, never below 0.
double TimeBoxValue(std::string_view text);

// The text the box shows for the quantity a line of `function` packs into code.
std::string QuantityText(const model::FunctionInfo& function, const LineCode& code);

// The caption lblLineMisc gives the box, nullptr for none.
const char* QuantityCaption(model::Quantity q);

// Writes value v of the box into code for a line of `function`. counterShown is the number the
// counter list shows, which a counter compare packs into P1 beside the value's high part.
void WriteTimeValue(const model::FunctionInfo& function, double v, int counterShown,
                    LineCode& code);

// P1 of a counter compare: counter number c beside the high part of value v.
int CompareCounterByte(int c, double v);

// The message for a value over the quantity's limit ("Time cannot exceed 59999.99"), none
// when v is within it.
std::optional<std::string> TimeLimitMessage(model::Quantity q, double v);

}  // namespace editor
