// A timer's time or a counter's count as its field shows it and as the panel's words hold it:
// whole seconds or counts in the first two words of the field's group (high byte, low byte) and,
// for times, the hundredths in the third.
#pragma once

#include <string>

#include "model/PanelTables.h"
#include "panels/PanelKind.h"

namespace panels {

// In the unit of the kind: hundredths of a second, or counts.
constexpr long kMostHundredths = 5999999;  // 59999.99 s
constexpr long kMostCount = 59999;

long MostValue(ValueKind kind);

// The field's leading number in the kind's unit: "300.5" is 30050 hundredths, "12." 1200, ""
// and "." 0.
long ValueOfText(ValueKind kind, const std::string& text);

// "300.50" for times, "300" for counts.
std::string ValueText(ValueKind kind, long value);

long StoredValue(ValueKind kind, const model::PanelEntry& entry, ValueField field);
void StoreValue(ValueKind kind, model::PanelEntry& entry, ValueField field, long value);

// What a value field may hold: digits with at most five before a point and, for times, one
// point with at most two digits after it.
bool ValueTextAccepted(ValueKind kind, const std::string& text);

// The field's text after the user changed `before` into `after`: `after` when it may be held;
// `before` when a key or a short change would leave something it may not (the key is refused);
// for a longer paste, its digits (and first point, for times) cut to what may be held.
std::string TypedValue(ValueKind kind, const std::string& before, const std::string& after);

}  // namespace panels
