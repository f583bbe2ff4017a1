// The filling line's controller as the I/O setup, names and input speed dialogs would leave it.
#pragma once

#include <string>

namespace model {
class Program;
}

namespace demo {

// Fits the MCU, digital block 20, analog block 90 and both modules, names every fitted input
// and output, and sets the bottle sensors and key switches to their input speeds, each through
// the working copy of its dialog. Returns what one of them refused or cut, empty when all was
// taken as given.
std::string SetUpHardware(model::Program& program);

}  // namespace demo
