// A script of input changes for a run, one a line: "TIME in N on" or "TIME in N off" for a
// digital input, "TIME in N VOLTS" for an analog one (0..10.20), TIME in seconds with at most
// two decimals ("2.5 in 3 on", "4.0 in 91 6.20"). Blank lines and lines starting with # are
// skipped.
#pragma once

#include <istream>
#include <string>
#include <vector>

namespace simulator {

class Simulator;

struct InputChange {
    long Centis;
    int Input;
    bool Analog;
    bool On;       // the state of a digital input
    double Volts;  // the level of an analog input
};

// Reads a script into changes, ordered by time (changes at one time keep the script's order).
// Returns an error naming the line and what is wrong with it, or an empty text.
std::string ReadInputScript(std::istream& script, std::vector<InputChange>& changes);

// Seconds with at most two decimals into hundredths: "2.5" is 250. False for anything else.
bool ReadCentis(const std::string& text, long& centis);

// Sets the input on the simulator; it applies at its next step.
void Apply(const InputChange& change, Simulator& simulator);

}  // namespace simulator
