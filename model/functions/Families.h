// The function families, each defined with its texts, checks and parameter bytes in its own
// file, in the order the editor offers them.
#pragma once

#include <vector>

#include "model/FunctionTable.h"

namespace model::families {

const std::vector<FunctionInfo>& Inputs();   // F 1, 13, 14, 2..5
const std::vector<FunctionInfo>& Outputs();  // F 255, 254, 128..227, 253..251, 8
const std::vector<FunctionInfo>& Flow();     // F 0, 9, 10, 11 (per action), 12
const std::vector<FunctionInfo>& Timer();    // F 32, one entry per operation
const std::vector<FunctionInfo>& Counter();  // F 34..40

}  // namespace model::families
