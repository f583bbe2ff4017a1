// The function toolbar tlbFunction: its eleven buttons and the line each one starts.
#pragma once

#include <array>

#include "editor/FieldCodes.h"
#include "editor/FieldView.h"

namespace model {
class Program;
}

namespace editor {

struct ToolbarButton {
    const char* Key;      // "1a" .. "11a"
    const char* ToolTip;  // also the button's text
    const char* Icon;     // resource path of its image
    model::FunctionGroup Group;
};

// The buttons in toolbar order; button b (1..11) is element b - 1.
const std::array<ToolbarButton, kToolbarButtonCount>& ToolbarButtons();

constexpr int kRepeatLinesButton = 7;

// A Repeat cannot stand on line 1 (line offset 0): there is no line above it to repeat.
constexpr bool RepeatLinesAllowed(int curLine) {
    return curLine != 0;
}

// The button number a key names ("7a" gives 7), 0 for a key that names none.
int ButtonOfKey(const char* key);

// The I/O numbers the default lines of Check Input, Compare Inputs, Output and Check Output
// start with: the first items of the input lists 0 and 1 and of the output list (0 when a list
// is empty).
struct FirstIO {
    int Input0 = 0;
    int Input1 = 0;
    int Output = 0;
};

// The line code button b (1..11) starts its function with.
LineCode ToolbarDefault(int button, const FirstIO& first);

// Timer and Counter need their modules (registers 120, 122); Repeat Lines cannot start line 1
// (curLine is the 0-based line offset).
std::array<bool, kToolbarButtonCount> ToolbarEnabled(const model::Program& program, int curLine);

}  // namespace editor
