// The print dialog's margin and lines boxes: what may be typed in them and the numbers they
// refuse. The command line's print applies the same limits.
#pragma once

#include <string>

namespace files {

enum class PrintBox { LeftMargin, TopMargin, Lines };

constexpr double kLeastMargin = 0.1;  // inches

// Digits, and for the margins points: what a box keeps of what is typed or pasted.
std::string TypedPrintBox(PrintBox box, const std::string& text);

// The number a box holds: its leading number, 0 when there is none.
double PrintBoxValue(const std::string& text);

// The message for a number the box refuses ("Left margin must be at least 0.1 inches"), or
// empty when it is accepted.
std::string PrintBoxProblem(PrintBox box, double value);

}  // namespace files
