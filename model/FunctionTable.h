// The controller's vocabulary: every function code with its group, its text and its checks.
#pragma once

#include <string>
#include <vector>

#include "model/PgmRecord.h"

namespace model {

class Program;

// The editor's toolbar groups, in toolbar order.
enum class FunctionGroup {
    Blank,
    CheckInput,
    CompareInputs,
    Output,
    CheckOutput,
    Wait,
    RepeatLines,
    ControlPage,
    Timer,
    Counter,
    EndPage,
    Unknown,
};

// One problem a line check found: the message number and, for Compare Inputs, which input.
struct LineError {
    int Number;
    const char* Prefix;  // "First", "Second", "Third" or ""

    bool operator==(const LineError& o) const {
        return Number == o.Number && std::string(Prefix) == o.Prefix;
    }
};

// What a line check needs to know besides the record: the page it stands on and whether it
// is that page's line 1.
struct LineContext {
    const Program& program;
    int page;
    bool firstLineOfPage;
};

using DescribeFn = std::string (*)(const Program&, const PgmRecord&);
using CheckFn = void (*)(const LineContext&, const PgmRecord&, std::vector<LineError>&);

// A family of function codes that share a text and checks.
struct FunctionInfo {
    int FirstCode;
    int LastCode;
    FunctionGroup Group;
    DescribeFn Describe;
    CheckFn Check;
};

// The entry for function code f; codes outside the table get the "Unknown Function Code" entry.
const FunctionInfo& LookupFunction(int f);

}  // namespace model
