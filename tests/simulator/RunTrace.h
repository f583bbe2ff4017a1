// A small plant to run lines on, and the trace of a run in a compact form that a table row can
// spell out: "0:A1 0:out1=1 5:tmr1=0 6:stopA2" (step:what), a page's line only when it
// changes.
#pragma once

#include <array>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "model/HardwareConfig.h"
#include "model/NewProgram.h"
#include "simulator/InputScript.h"
#include "simulator/Simulator.h"

namespace simtrace {

using Code = std::array<int16_t, 4>;

// A new program with analog inputs and outputs 91 and 92 and both modules; timer 1 runs for
// 0.05 s, timer 2 for 0.00.
inline model::Program Plant() {
    model::Program program;
    model::MakeNewProgram(program);
    program.Register(90).Code = {2, 2, 1, 2};
    program.SetRegisterByte(model::kTimerModuleRegister, 0, model::kModuleInstalled);
    program.SetRegisterByte(model::kCounterModuleRegister, 0, model::kModuleInstalled);
    program.Tmr.Data[0].Words[2] = 5;
    model::RebuildIOType(program);
    return program;
}

// Puts pages[p] on page p from line 1; pages not given keep their End Page line.
inline void PutLines(model::Program& program, const std::vector<std::vector<Code>>& pages) {
    for (std::size_t p = 0; p < pages.size(); ++p) {
        for (std::size_t i = 0; i < pages[p].size(); ++i)
            program.PgmData[model::PageBase(static_cast<int>(p)) + i].Code = pages[p][i];
    }
}

// The events, those of pages after the first `pages` left out, lines only when they change.
inline std::string Compact(const std::vector<simulator::Event>& events, std::size_t pages) {
    using K = simulator::Event::Kind;
    static const char* const kWords[] = {"out", "ana", "tmr", "ctr", "stop", ""};  // by Kind
    std::array<int, model::kPageCount> last{};
    std::string trace;
    for (const simulator::Event& e : events) {
        const bool ofAPage = e.What == K::Stop || e.What == K::Line;
        if (ofAPage && static_cast<std::size_t>(e.N) > pages)
            continue;
        if (e.What == K::Line && std::exchange(last[e.N - 1], e.Value) == e.Value)
            continue;
        const std::string what =
            ofAPage ? std::string(1, model::PageLetter(e.N - 1)) : std::to_string(e.N) + "=";
        trace += (trace.empty() ? "" : " ") + std::to_string(e.Centis) + ":" +
                 kWords[static_cast<int>(e.What)] + what + std::to_string(e.Value);
    }
    return trace;
}

// Steps the simulator up to step `until`, applying the input script's changes as they fall due.
inline void RunUntil(simulator::Simulator& sim, const std::string& inputs, long until) {
    std::istringstream script(inputs);
    std::vector<simulator::InputChange> changes;
    EXPECT_EQ(simulator::ReadInputScript(script, changes), "");
    std::size_t next = 0;
    while (sim.Now() < until) {
        for (; next < changes.size() && changes[next].Centis <= sim.Now(); ++next)
            simulator::Apply(changes[next], sim);
        sim.Step();
    }
}

}  // namespace simtrace
