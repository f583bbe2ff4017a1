// The rules of txtLineMisc: a jump line, a line to repeat from or to move a page to, or an
// analog percentage, whichever the line's function holds in one of its bytes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "editor/TimeCountRules.h"

namespace editor {

constexpr int kLineMiscMaxLength = 3;

// Only digits (and backspace, '\b') pass, up to three characters once the selection
// [selStart, selStart + selLength) is replaced.
bool LineKeyAccepted(std::string_view text, int selLength, char key);

// The whole number the box holds: its leading number, never below 0.
int LineBoxValue(std::string_view text);

// Writes value v of the box into code for a line of `function`. A line number below 1 is taken
// as line 1, so no offset below 0 reaches the line.
void WriteLineValue(const model::FunctionInfo& function, int v, LineCode& code);

// The message for a value beyond the page ("This page has only 75 lines", or for a line of the
// page P1 names "Page B has only 75 lines") or a percentage above 100; none when v is within
// the limit. curPage is the page the line stands on.
std::optional<std::string> LineLimitMessage(const model::FunctionInfo& function, int p1,
                                            int curPage, int v);

}  // namespace editor
