// What sets the timer panel and the counter panel apart: the value their fields hold, its limit,
// the messages the checks give, and whether the panel remembers counts. Everything else about
// the two panels works alike.
#pragma once

#include <array>

namespace panels {

// Seconds with hundredths, shown "0.00", or whole counts.
enum class ValueKind { Seconds, Count };

// The three value fields of an entry, in the order of their word groups.
enum class ValueField { Set = 0, High = 1, Low = 2 };
constexpr int kValueFieldCount = 3;

struct PanelKind {
    const char* EntryWord;  // "Timer", "Counter": names entries and their defaults
    ValueKind Value;
    std::array<const char*, kValueFieldCount> OverLimit;  // by ValueField
    const char* LowAboveSet;
    const char* HighBelowSet;
    bool RemembersCounts;  // panel word 2 holds a bit per entry
};

const PanelKind& TimerPanel();
const PanelKind& CounterPanel();

}  // namespace panels
