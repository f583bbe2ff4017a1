// The function families, each defined with its texts and checks in its own file.
#pragma once

#include <vector>

#include "model/FunctionTable.h"

namespace model::families {

const std::vector<FunctionInfo>& Inputs();   // F 1, 13, 14, 2..5
const std::vector<FunctionInfo>& Outputs();  // F 255, 254, 128..227, 253..251, 8
const std::vector<FunctionInfo>& Flow();     // F 0, 9, 10, 11, 12
const std::vector<FunctionInfo>& Timer();    // F 32
const std::vector<FunctionInfo>& Counter();  // F 34..40

}  // namespace model::families
