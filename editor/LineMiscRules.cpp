// Keys, packing and limits of the line and percentage box.
#include "editor/LineMiscRules.h"

#include <algorithm>
#include <cmath>

#include "editor/FieldCodes.h"
#include "model/PageGeometry.h"
#include "model/TextFormat.h"

namespace editor {

namespace {

using model::Param;

constexpr int kMaxPercent = 100;

// 0-based offset of a 1-based line the user typed.
int LineOffset(int v) {
    return std::max(v, 1) - 1;
}

// The byte (1..3) the box edits in a line of `function` and what that byte holds; byte 0 for a
// function the box does not edit.
struct LineBox {
    int Byte = 0;
    Param Holds = Param::Unused;
};

LineBox LineBoxOf(const model::FunctionInfo& function) {
    for (int i = 0; i < 3; ++i) {
        const Param p = function.Fields.P[i];
        if (p == Param::JumpLine || p == Param::LineOffset || p == Param::Percentage)
            return {i + 1, p};
    }
    return {};
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

void WriteLineValue(const model::FunctionInfo& function, int v, LineCode& code) {
    const LineBox box = LineBoxOf(function);
    if (box.Holds == Param::JumpLine)
        code[box.Byte] = v;
    else if (box.Holds == Param::LineOffset)
        code[box.Byte] = LineOffset(v);
    else if (box.Holds == Param::Percentage)
        code[box.Byte] = PercentByte(v);
}

std::optional<std::string> LineLimitMessage(const model::FunctionInfo& function, int p1,
                                            int curPage, int v) {
    const Param held = LineBoxOf(function).Holds;
    if (held == Param::Percentage && v > kMaxPercent)
        return "Analog output cannot be higher than 100%";
    if (held != Param::JumpLine && held != Param::LineOffset)
        return std::nullopt;
    // A move names a line of the page in P1; every other line, one of its own page.
    const bool otherPage = function.Fields.P[0] == Param::Page;
    const int limit = model::PageCapacity(otherPage ? p1 - 1 : curPage);
    if (v <= limit)
        return std::nullopt;
    const std::string lines = " has only " + model::Dec(limit) + " lines";
    if (otherPage)
        return "Page " + std::string(1, static_cast<char>(64 + p1)) + lines;
    return "This page" + lines;
}

}  // namespace editor
