// Keys, cutting, packing and limits of the time, count and voltage box.
#include "editor/TimeCountRules.h"

#include <algorithm>
#include <cmath>

#include "model/TextFormat.h"

namespace editor {

namespace {

using model::Quantity;

struct TimeBoxRule {
    int MaxLength;
    int MaxDigitsBeforePoint;     // 0: no point, so no such rule
    std::size_t CutWithoutPoint;  // 0: not cut
    const char* Message;
};

const TimeBoxRule& RuleOf(Quantity q) {
    static const TimeBoxRule none{0, 0, 0, ""};
    static const TimeBoxRule time{8, 5, 5, "Time cannot exceed "};
    static const TimeBoxRule voltage{5, 2, 2, "Voltage cannot exceed "};
    static const TimeBoxRule count{4, 0, 0, "Count cannot exceed "};
    static const TimeBoxRule repeat{5, 0, 0, "Repeat count cannot exceed "};
    switch (q) {
        case Quantity::WaitTime:
        case Quantity::OutputTime:
            return time;
        case Quantity::Level:
            return voltage;
        case Quantity::CompareValue:
            return count;
        case Quantity::RepeatCount:
            return repeat;
        case Quantity::None:
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

int TimeBoxMaxLength(Quantity q) {
    return RuleOf(q).MaxLength;
}

bool TimeKeyAccepted(Quantity q, std::string_view text, int selStart, int selLength, char key) {
    if (key == '\b')
        return true;
    const TimeBoxRule& rule = RuleOf(q);
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

std::string CutTimeText(Quantity q, std::string_view text) {
    const std::size_t point = text.find('.');
    if (point != std::string_view::npos)
        return std::string(text.substr(0, point + 3));
    const std::size_t cut = RuleOf(q).CutWithoutPoint;
    return std::string(cut > 0 ? text.substr(0, cut) : text);
}

double TimeBoxValue(std::string_view text) {
    return std::max(0.0, model::LeadingNumber(text));
}

std::string QuantityText(const model::FunctionInfo& function, const LineCode& code) {
    const Quantity q = function.Fields.Packs;
    if (q == Quantity::WaitTime)
        return model::Fix2(code[1] * 256 + code[2] + code[3] / 100.0);
    if (q == Quantity::OutputTime)
        return model::Fix2((code[2] * 256 + code[3]) + (code[0] - function.FirstCode) / 100.0);
    if (q == Quantity::Level)
        return model::Fix2(code[2] * 0.04);
    if (q == Quantity::RepeatCount)
        return model::Dec(code[2] * 256 + code[3]);
    return q == Quantity::CompareValue ? model::Dec((code[1] / 16) * 256 + code[2]) : "";
}

const char* QuantityCaption(Quantity q) {
    return q == Quantity::RepeatCount ? "Number of Times" : nullptr;
}

void WriteTimeValue(const model::FunctionInfo& function, double v, int counterShown,
                    LineCode& code) {
    const double whole = std::floor(v);
    const int high = static_cast<int>(std::floor(v / 256));
    const int low = static_cast<int>(whole) - 256 * high;
    const int hundredths = static_cast<int>(std::lround((v - whole) * 100));
    const Quantity q = function.Fields.Packs;
    if (q == Quantity::Level) {
        // Half to even, as the controller's own tools round a level: 2.5 V is 62, not 63.
        code[2] = static_cast<int32_t>(std::nearbyint(v * 25));
    } else if (q == Quantity::WaitTime) {
        code[1] = high;
        code[2] = low;
        code[3] = hundredths;
    } else if (q == Quantity::RepeatCount) {
        code[2] = high;
        code[3] = low;
    } else if (q == Quantity::CompareValue) {
        code[2] = low;
        code[1] = CompareCounterByte(counterShown, v);
    } else if (q == Quantity::OutputTime) {
        code[0] = function.FirstCode + hundredths;
        code[2] = high;
        code[3] = low;
    }
}

int CompareCounterByte(int c, double v) {
    return static_cast<int>(std::floor(v / 256)) * 16 + c;
}

std::optional<std::string> TimeLimitMessage(Quantity q, double v) {
    const TimeBoxRule& rule = RuleOf(q);
    const double limit = model::MaxQuantity(q);
    if (rule.MaxLength == 0 || Hundredths(v) <= Hundredths(limit))
        return std::nullopt;
    return rule.Message + model::Real(limit);
}

}  // namespace editor
