// The filling line's remote timer and counter panels as their windows would leave them.
#pragma once

#include <string>

namespace model {
class Program;
}

namespace demo {

// Names the timers and counters the program uses, types their set values, limits and options
// and the panel messages, each through the panel window's working copy, and writes them into
// the program. Returns the first text or value the window refused or cut, empty when all was
// taken as given.
std::string SetUpPanels(model::Program& program);

}  // namespace demo
