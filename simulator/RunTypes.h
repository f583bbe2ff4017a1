// The words of a simulated run: its options, the state of a page and the events it reports.
#pragma once

#include <string>

namespace simulator {

struct Options {
    bool StopAtEndPage = false;          // End Page stops its page instead of going to line 1
    bool LaterPagesStartFrozen = false;  // pages B..F wait for a page to thaw, reset or move them
};

enum class PageRun { Running, Frozen, Stopped };

struct Event {
    long Centis;  // the step it happened in
    enum class Kind { Output, Analog, Timer, Counter, Stop, Line } What;
    // Output, Analog: the output number and its state (0 or 1) or percent. Timer, Counter: its
    // number 1..8 and 1 running / 0 not, or the count. Stop, Line: the page 1..6 and its line.
    int N;
    int Value;
    std::string Text;  // the line's text for Line, the reason for Stop
};

}  // namespace simulator
