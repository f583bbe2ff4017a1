// Keys, cutting, packing and limits of the time, count and voltage box.
#include "editor/TimeCountRules.h"

#include <algorithm>
#include <cmath>

#include "model/TextFormat.h"

namespace editor {

namespace {

struct TimeBoxRule {
    int MaxLength;
    int MaxDigitsBeforePoint;     // 0: no point, so no such rule
    std::size_t CutWithoutPoint;  // 0: not cut
    const char* Message;
    double Limit;
};

const TimeBoxRule& RuleOf(TimeBoxKind kind) {
    static const TimeBoxRule none{0, 0, 0, "", 0};
    static const TimeBoxRule time{8, 5, 5, "Time cannot exceed ", 59999.99};
    static const TimeBoxRule voltage{5, 2, 2, "Voltage cannot exceed ", 10.2};
    static const TimeBoxRule count{4, 0, 0, "Count cannot exceed ", 4000};
    static const TimeBoxRule repeat{5, 0, 0, "Repeat count cannot exceed ", 59999};
    switch (kind) {
        case TimeBoxKind::Time:
            return time;
        case TimeBoxKind::Voltage:
            return voltage;
        case TimeBoxKind::Count:
            return count;
        case TimeBoxKind::RepeatCount:
            return repeat;
        case TimeBoxKind::None:
            break;
    }
    return none;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Hundredths, so that a typed 59999.99 compares equal to the limit whatever its binary form.
long long Hundredths(double v) {
    return std::llround(v * 100.0);
}

}  // namespace

TimeBoxKind TimeBoxKindOf(int f) {
    if (f == 9 || (f >= 128 && f <= 255))
        return TimeBoxKind::Time;
    if (f == 13 || f == 14)
        return TimeBoxKind::Voltage;
    if (f >= 34 && f <= 40)
        return TimeBoxKind::Count;
    if (f == 10)
        return TimeBoxKind::RepeatCount;
    return TimeBoxKind::None;
}

int TimeBoxMaxLength(int f) {
    return RuleOf(TimeBoxKindOf(f)).MaxLength;
}

bool TimeKeyAccepted(int f, std::string_view text, int selStart, int selLength, char key) {
    if (key == '\b')
        return true;
    const TimeBoxRule& rule = RuleOf(TimeBoxKindOf(f));
    const std::size_t start = std::min<std::size_t>(std::max(selStart, 0), text.size());
    const std::size_t length = std::min<std::size_t>(std::max(selLength, 0), text.size() - start);
    // The text that stays around the key: the selection is replaced by it.
    std::string kept(text);
    kept.erase(start, length);
    if (static_cast<int>(kept.size()) >= rule.MaxLength)
        return false;
    const std::size_t point = kept.find('.');
    const bool hasPoint = point != std::string::npos;
    if (key == '.')
        return rule.MaxDigitsBeforePoint > 0 && !hasPoint;
    if (!IsDigit(key))
        return false;
    if (hasPoint && start > point && kept.size() - point - 1 >= 2)
        return false;
    if (hasPoint && start <= point && static_cast<int>(point) >= rule.MaxDigitsBeforePoint)
        return false;
    return true;
}

std::string CutTimeText(int f, std::string_view text) {
    const std::size_t point = text.find('.');
    if (point != std::string_view::npos)
        return std::string(text.substr(0, point + 3));
    const std::size_t cut = RuleOf(TimeBoxKindOf(f)).CutWithoutPoint;
    return std::string(cut > 0 ? text.substr(0, cut) : text);
}

double TimeBoxValue(std::string_view text) {
    return std::max(0.0, model::LeadingNumber(text));
}

void WriteTimeValue(int f, double v, int counterShown, LineCode& code) {
    const double whole = std::floor(v);
    const int high = static_cast<int>(std::floor(v / 256));
    const int low = static_cast<int>(whole) - 256 * high;
    const int hundredths = static_cast<int>(std::lround((v - whole) * 100));
    if (f == 13 || f == 14) {
        // Half to even, as the controller's own tools round a level: 2.5 V is 62, not 63.
        code[2] = static_cast<int32_t>(std::nearbyint(v * 25));
    } else if (f == 9) {
        code[1] = high;
        code[2] = low;
        code[3] = hundredths;
    } else if (f == 10) {
        code[2] = high;
        code[3] = low;
    } else if (f >= 34 && f <= 40) {
        code[2] = low;
        code[1] = high * 16 + counterShown;
    } else if (f >= 128 && f <= 255) {
        code[0] = 128 + hundredths;
        code[2] = high;
        code[3] = low;
    }
}

std::optional<std::string> TimeLimitMessage(int f, double v) {
    const TimeBoxRule& rule = RuleOf(TimeBoxKindOf(f));
    if (rule.MaxLength == 0 || Hundredths(v) <= Hundredths(rule.Limit))
        return std::nullopt;
    return rule.Message + model::Real(rule.Limit);
}

}  // namespace editor
