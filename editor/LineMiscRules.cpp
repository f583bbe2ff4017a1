// Keys, packing and limits of the line and percentage box.
#include "editor/LineMiscRules.h"

#include <algorithm>
#include <cmath>

#include "editor/FieldCodes.h"
#include "model/PageGeometry.h"
#include "model/TextFormat.h"

namespace editor {

namespace {

constexpr int kMaxPercent = 100;

bool IsJumpOrRepeat(int f) {
    return f == 1 || f == 8 || f == 10 || f == 13 || f == 14 || f == 32 || (f >= 34 && f <= 40);
}

bool IsOutput(int f) {
    return f >= 128 && f <= 255;
}

// 0-based offset of a 1-based line the user typed.
int LineOffset(int v) {
    return std::max(v, 1) - 1;
}

}  // namespace

bool LineKeyAccepted(std::string_view text, int selLength, char key) {
    if (key == '\b')
        return true;
    const int kept = static_cast<int>(text.size()) - std::clamp(selLength, 0, int(text.size()));
    return key >= '0' && key <= '9' && kept < kLineMiscMaxLength;
}

int LineBoxValue(std::string_view text) {
    return static_cast<int>(std::floor(std::clamp(model::LeadingNumber(text), 0.0, 1e6)));
}

void WriteLineValue(int f, int v, LineCode& code) {
    if (f == 10) {
        code[1] = LineOffset(v);
    } else if (f == 11) {
        code[3] = LineOffset(v);
    } else if (IsOutput(f)) {
        code[3] = PercentByte(v);
    } else if (IsJumpOrRepeat(f)) {
        code[3] = v;
    }
}

std::optional<std::string> LineLimitMessage(int f, int p1, int curPage, int v) {
    if (IsJumpOrRepeat(f)) {
        const int limit = model::PageCapacity(curPage);
        if (v > limit)
            return "This page has only " + model::Dec(limit) + " lines";
    } else if (f == 11) {
        // Page A holds 200 lines, every other page 75.
        const int limit = model::PageCapacity(p1 == 1 ? 0 : 1);
        if (v > limit) {
            return "Page " + std::string(1, static_cast<char>(64 + p1)) + " has only " +
                   model::Dec(limit) + " lines";
        }
    } else if (IsOutput(f) && v > kMaxPercent) {
        return "Analog output cannot be higher than 100%";
    }
    return std::nullopt;
}

}  // namespace editor
