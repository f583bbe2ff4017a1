// Settings of the eight timers or counters of a remote panel, and its fifteen messages.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace model {

constexpr int kEntryCount = 8;
constexpr int kMessageCount = 15;
constexpr int kEntryWordCount = 16;
constexpr int kPanelWordCount = 4;

// One timer or counter: sixteen byte-valued words in four groups of four, and its name.
struct PanelEntry {
    std::array<int16_t, kEntryWordCount> Words{};
    std::string Name;

    bool operator==(const PanelEntry& o) const { return Words == o.Words && Name == o.Name; }
};

// A two-line panel message.
struct PanelMessage {
    std::string Top;
    std::string Bottom;

    bool operator==(const PanelMessage& o) const { return Top == o.Top && Bottom == o.Bottom; }
};

// The whole settings of one panel: TmrData/TmrMsg/TmrPanel or CtrData/CtrMsg/CtrPanel.
struct PanelTables {
    std::array<PanelEntry, kEntryCount> Data;
    std::array<PanelMessage, kMessageCount> Msg;
    std::array<int16_t, kPanelWordCount> Panel{};

    bool operator==(const PanelTables& o) const {
        return Data == o.Data && Msg == o.Msg && Panel == o.Panel;
    }
};

// 1, 2, 4 .. 128 for timer or counter n = 1..8, 0 otherwise: its bit in the panel words.
constexpr int BitOfNumber(int n) {
    return n >= 1 && n <= 8 ? 1 << (n - 1) : 0;
}

// Names "<entryWord> 1".."<entryWord> 8", all words 0, messages "Message 1".."Message 15" with
// empty bottom lines, panel words 0. entryWord is "Timer" or "Counter".
PanelTables DefaultPanelTables(const std::string& entryWord);

}  // namespace model
