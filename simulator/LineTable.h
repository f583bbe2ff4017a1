// The lines of the six pages as the controller runs them: each slot's function, the fault that
// keeps it from running, its text for the trace, and what the line keeps while it runs.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/FunctionTable.h"
#include "model/PageGeometry.h"

namespace model {
class Program;
}

namespace simulator {

class LineTable {
  public:
    struct Line {
        const model::PgmRecord* Record;
        const model::FunctionInfo* Function;
        std::string Fault;  // why the line cannot run; empty when it can
        std::string Text;
        long Memory = 0;  // model::Machine::LineMemory
    };

    // Reads every slot of every page of program, which must outlive the table.
    explicit LineTable(const model::Program& program);

    // Line 1..PageCapacity of page 0..5.
    Line& At(int page, int line) { return lines_[first_[page] + line - 1]; }

  private:
    std::vector<Line> lines_;  // page A's slots, then B's, ... F's
    std::array<int, model::kPageCount> first_;
};

}  // namespace simulator
