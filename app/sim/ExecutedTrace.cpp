// Trace reports from the program an emulated MCU runs.
#include "app/sim/ExecutedTrace.h"

#include <array>

#include "app/sim/SimFiles.h"
#include "model/PageGeometry.h"

namespace sim {

namespace {

constexpr Millis kStep{10};

model::Program ProgramToRun(const LineImage& memory, const model::PanelTables& timers) {
    model::Program program = ProgramOfImage(memory);
    program.Tmr = timers;
    return program;
}

}  // namespace

ExecutedTrace::ExecutedTrace(const LineImage& memory, const model::PanelTables& timers, Time start)
    : simulator_(ProgramToRun(memory, timers)), start_(start) {
    simulator_.SetTracing(true);
}

std::vector<TracePoint> ExecutedTrace::Advance(Time now) {
    while (start_ + kStep * simulator_.Now() <= now)
        simulator_.Step();
    std::array<int, model::kPageCount> last{};  // line numbers; 0 for none
    for (const simulator::Event& e : simulator_.TakeEvents()) {
        if (e.What == simulator::Event::Kind::Line)
            last[e.N - 1] = e.Value;
    }
    std::vector<TracePoint> points;
    for (int page = 0; page < model::kPageCount; ++page) {
        if (last[page] > 0)
            points.push_back({page + 1, last[page] - 1});
    }
    return points;
}

}  // namespace sim
