// Reading, showing and storing panel values.
#include "panels/PanelValue.h"

#include <cctype>

namespace panels {

namespace {

constexpr int kWholeDigits = 5;
constexpr int kDecimals = 2;
constexpr int kWordsPerGroup = 4;

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

int GroupWord(ValueField field, int word) {
    return static_cast<int>(field) * kWordsPerGroup + word;
}

}  // namespace

long MostValue(ValueKind kind) {
    return kind == ValueKind::Seconds ? kMostHundredths : kMostCount;
}

long ValueOfText(ValueKind kind, const std::string& text) {
    long whole = 0;
    size_t i = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        whole = whole * 10 + (text[i] - '0');
    if (kind == ValueKind::Count)
        return whole;
    long hundredths = 0;
    if (i < text.size() && text[i] == '.') {
        for (int d = 0; d < kDecimals; ++d) {
            const size_t at = i + 1 + d;
            hundredths =
                hundredths * 10 + (at < text.size() && IsDigit(text[at]) ? text[at] - '0' : 0);
        }
    }
    return whole * 100 + hundredths;
}

std::string ValueText(ValueKind kind, long value) {
    if (kind == ValueKind::Count)
        return std::to_string(value);
    const long hundredths = value % 100;
    return std::to_string(value / 100) + (hundredths < 10 ? ".0" : ".") +
           std::to_string(hundredths);
}

long StoredValue(ValueKind kind, const model::PanelEntry& entry, ValueField field) {
    const auto& w = entry.Words;
    const long whole = w[GroupWord(field, 0)] * 256L + w[GroupWord(field, 1)];
    return kind == ValueKind::Seconds ? whole * 100 + w[GroupWord(field, 2)] : whole;
}

void StoreValue(ValueKind kind, model::PanelEntry& entry, ValueField field, long value) {
    const long whole = kind == ValueKind::Seconds ? value / 100 : value;
    entry.Words[GroupWord(field, 0)] = static_cast<int16_t>(whole / 256);
    entry.Words[GroupWord(field, 1)] = static_cast<int16_t>(whole % 256);
    if (kind == ValueKind::Seconds)
        entry.Words[GroupWord(field, 2)] = static_cast<int16_t>(value % 100);
}

bool ValueTextAccepted(ValueKind kind, const std::string& text) {
    const size_t point = text.find('.');
    if (point != std::string::npos && kind == ValueKind::Count)
        return false;
    const std::string whole = text.substr(0, point);
    const std::string decimals = point == std::string::npos ? "" : text.substr(point + 1);
    const auto allDigits = [](const std::string& part) {
        for (char c : part) {
            if (!IsDigit(c))
                return false;
        }
        return true;
    };
    return allDigits(whole) && allDigits(decimals) && whole.size() <= kWholeDigits &&
           decimals.size() <= kDecimals;
}

std::string TypedValue(ValueKind kind, const std::string& before, const std::string& after) {
    if (ValueTextAccepted(kind, after))
        return after;
    if (after.size() <= before.size() + 1)
        return before;
    std::string whole, decimals;
    bool point = false;
    for (char c : after) {
        if (c == '.' && kind == ValueKind::Seconds && !point)
            point = true;
        else if (IsDigit(c) && !point && whole.size() < kWholeDigits)
            whole += c;
        else if (IsDigit(c) && point && decimals.size() < kDecimals)
            decimals += c;
    }
    return point ? whole + "." + decimals : whole;
}

}  // namespace panels
