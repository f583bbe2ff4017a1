// The item texts of the function editor's option lists, as the controller's users know them.
#pragma once

#include <string>
#include <vector>

#include "model/FunctionTable.h"

namespace editor {

using OptionItems = std::vector<std::string>;

// The options of a group in the order of its functions in the function table, a function
// whose P2 is a status giving two (OFF, ON); empty for a group without an option list.
const OptionItems& OptionTexts(model::FunctionGroup group);

const OptionItems& PageLetters();     // "A" .. "F"
const OptionItems& JumpOptions();     // what to do when a check fails
const OptionItems& DisplayOptions();  // whether to show the timer or counter

}  // namespace editor
