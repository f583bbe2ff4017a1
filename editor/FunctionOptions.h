// The items of cboFnOpts: the functions of a group, one per status or operation, that the
// chosen input or output can carry.
#pragma once

#include <string>
#include <vector>

#include "editor/FieldCodes.h"
#include "model/FunctionTable.h"

namespace model {
class Program;
}

namespace editor {

// What choosing an option that reads P2 and P3 differently from the line's own function does
// to the bytes it finds.
enum class NewOption {
    KeepsBytes,         // nothing: the line a Move names survives a change of action
    StartsFromZero,     // P2 and P3 start from 0, except an operation P2 names
    KeepsCompareValue,  // P3 starts from 0, and P2 and P1's high bits too unless the new
                        // option packs a value there, so that "Increment Counter 3" never
                        // carries a stale compare value
};

struct LineOption {
    const model::FunctionInfo* Function;
    int Status;  // the P2 a status option writes; -1 for any other option
    std::string Text;
};

// The kind of the input or output number n (-1: none chosen) that a line of `function` acts
// on; Any for a line that acts on neither.
model::IONeed KindOfChosenIO(const model::Program& program, const model::FunctionInfo& function,
                             int n);

// Whether a function can stand on an input or output of kind io (Any: no kind to fit).
bool Fits(const model::FunctionInfo& function, model::IONeed io);

// The options of a group that fit io, in table order, with their texts.
std::vector<LineOption> OptionsOf(model::FunctionGroup group, model::IONeed io);

// Whether the kind of input or output decides which of the group's options are offered.
bool OptionsFollowIO(model::FunctionGroup group);

// Whether two functions read P2, P3 and their packed quantity alike. The entry for an unknown
// operation is like no other.
bool SameKind(const model::FunctionInfo& a, const model::FunctionInfo& b);

// Whether every option reads the bytes alike, so that choosing one changes no other field.
bool ReadAlike(const std::vector<LineOption>& options);

// The option a line of function `function` with P2 p2 shows among the options fitted to io, -1
// for none. A check on an input of the other kind reads its bytes as that kind's check: P2 as
// the status, and any code but the first direction's as the last direction.
int OptionIndex(const std::vector<LineOption>& options, const model::FunctionInfo& function, int p2,
                model::IONeed io);

// Makes the line in code, edited as `from`, a line of the chosen option.
void WriteOption(const LineOption& option, const model::FunctionInfo& from, NewOption onNewKind,
                 LineCode& code);

// Makes a line of `from` that an input or output of kind io cannot carry a line of the first
// option of its group that fits; a quantity it did not pack before starts from 0.
void FitToIO(const model::FunctionInfo& from, model::IONeed io, LineCode& code);

}  // namespace editor
