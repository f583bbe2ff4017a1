// Reading the input script of a run.
#include "simulator/InputScript.h"

#include <algorithm>
#include <sstream>

#include "simulator/Simulator.h"

namespace simulator {

namespace {

constexpr int kLastInput = 100;
constexpr long kMostCentivolts = 1020;
// Digits of the whole seconds a time may have: over three years, in hundredths well within a
// long.
constexpr std::size_t kMostWholeDigits = 8;

bool AllDigits(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// An input number 0..100 into input.
bool ReadInput(const std::string& text, int& input) {
    if (text.empty() || text.size() > 3 || !AllDigits(text))
        return false;
    input = std::stoi(text);
    return input <= kLastInput;
}

// Reads "on", "off" or a level in volts into change.
bool ReadSetting(const std::string& text, InputChange& change) {
    change.Analog = text != "on" && text != "off";
    change.On = text == "on";
    long centivolts = 0;
    if (change.Analog && (!ReadCentis(text, centivolts) || centivolts > kMostCentivolts))
        return false;
    change.Volts = centivolts / 100.0;
    return true;
}

}  // namespace

bool ReadCentis(const std::string& text, long& centis) {
    const std::size_t point = text.find('.');
    const std::string whole = text.substr(0, point);
    const std::string decimals = point == std::string::npos ? "" : text.substr(point + 1);
    if (whole.empty() || whole.size() > kMostWholeDigits || decimals.size() > 2 ||
        !AllDigits(whole) || !AllDigits(decimals))
        return false;
    // "5" and "50" after the point are both fifty hundredths.
    centis = std::stol(whole) * 100 + std::stol((decimals + "00").substr(0, 2));
    return true;
}

std::string ReadInputScript(std::istream& script, std::vector<InputChange>& changes) {
    std::string text;
    for (int number = 1; std::getline(script, text); ++number) {
        std::istringstream line(text);
        std::string time, in, input, setting, extra;
        if (!(line >> time) || time[0] == '#')
            continue;
        line >> in >> input >> setting;
        InputChange change{};
        if (!ReadCentis(time, change.Centis) || in != "in" || !ReadInput(input, change.Input) ||
            !ReadSetting(setting, change) || line >> extra) {
            return "line " + std::to_string(number) +
                   ": expected 'SECONDS in INPUT on|off|VOLTS', not '" + text + "'";
        }
        changes.push_back(change);
    }
    std::stable_sort(
        changes.begin(), changes.end(),
        [](const InputChange& a, const InputChange& b) { return a.Centis < b.Centis; });
    return "";
}

void Apply(const InputChange& change, Simulator& simulator) {
    if (change.Analog)
        simulator.SetAnalogInput(change.Input, change.Volts);
    else
        simulator.SetInput(change.Input, change.On);
}

}  // namespace simulator
