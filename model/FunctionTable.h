// The controller's vocabulary: every function code with its group, its text, its checks and
// what each of its parameter bytes holds.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/PgmRecord.h"

namespace model {

class Machine;
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

// What a parameter byte holds.
enum class Param {
    Unused,
    Input,        // an input number, BCD
    Output,       // an output number, BCD
    Timer,        // kTimerBase + the timer number
    Counter,      // the counter number in the low four bits
    Page,         // a page, 1..6 for A..F
    Status,       // 0 OFF, any other value ON
    Operation,    // which of its code's operations the line performs (FunctionInfo::Operation)
    JumpLine,     // the 1-based line of the same page to move to when a check fails; 0: none
    DisplayFlag,  // 1: and display it
    Message,      // a panel message number, BCD
    Percentage,   // an analog percentage: BCD up to 99, kAnalogFull for 100
    LineOffset,   // a 0-based line: of the same page, or of the page P1 names
    Quantity,     // a byte of the number the line packs (LineFields::Packs)
};

// A number that a line packs over several bytes.
enum class Quantity {
    None,
    WaitTime,      // seconds: P1 * 256 + P2, and P3 hundredths
    OutputTime,    // seconds: P2 * 256 + P3, and the hundredths added to the function's first F
    Level,         // volts: P2 steps of 0.04
    RepeatCount,   // P2 * 256 + P3
    CompareValue,  // P1's high four bits (beside the counter number) * 256 + P2
};

// The largest value of a quantity a line may hold.
constexpr double MaxQuantity(Quantity q) {
    switch (q) {
        case Quantity::WaitTime:
        case Quantity::OutputTime:
            return 59999.99;
        case Quantity::Level:
            return 10.2;
        case Quantity::RepeatCount:
            return 59999;
        case Quantity::CompareValue:
            return 4000;
        case Quantity::None:
            break;
    }
    return 0;
}

// The kind of input or output a function needs in P1.
enum class IONeed { Any, Digital, Analog };

constexpr int kTimerBase = 160;  // P1 of timer t is kTimerBase + t

// What a line's bytes hold, so that the editor can give each its field.
struct LineFields {
    std::array<Param, 3> P;  // P1, P2, P3
    Quantity Packs = Quantity::None;
    IONeed Needs = IONeed::Any;
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
// What the line does when the controller runs it. A line whose checks report a problem that
// StopsTheRun finds is never run: its page stops on it instead.
using ExecuteFn = void (*)(Machine&, const PgmRecord&);

// FunctionInfo::Operation of a function that the code alone selects, and of the entry that
// covers every P2 no other entry of its code names.
constexpr int kNoOperation = -1;
constexpr int kOtherOperation = -2;

// A family of function codes that share a text, checks, execution and the meaning of their
// bytes. A code whose P2 selects an operation has one entry per operation, and one for any
// other P2.
struct FunctionInfo {
    int FirstCode;
    int LastCode;
    FunctionGroup Group;
    DescribeFn Describe;
    CheckFn Check;
    ExecuteFn Execute;
    LineFields Fields;
    int Operation = kNoOperation;
};

// The entry for a line with function code f and P2 p2; codes outside the table get the
// "Unknown Function Code" entry.
const FunctionInfo& LookupFunction(int f, int p2);

// Every entry of a group that names one function or operation, in table order.
std::vector<const FunctionInfo*> FunctionsOf(FunctionGroup group);

// Whether the controller cannot run a line with this problem: an input or output that is not
// fitted or of the wrong kind, a missing module, a timer or counter beyond 8. It runs lines
// whose times, counts and levels are beyond their limits, and a jump beyond the page stops it
// only when taken.
bool StopsTheRun(const LineError& error);

}  // namespace model
