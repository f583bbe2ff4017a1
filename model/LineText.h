// The one-sentence description of a program line, and the checks run while a page is listed.
#pragma once

#include <string>
#include <vector>

#include "model/FunctionTable.h"

namespace model {

class Program;

// The text of record r (0..950), built from its bytes and IOName only; empty for the few byte
// combinations that have no text.
std::string DescribeLine(const Program& program, int record);

// The problems of record r as a line of page `page`, in the order they are checked.
std::vector<LineError> CheckLine(const Program& program, int page, int record);

// The text of error message number n; empty for a number that logs nothing.
const char* ErrorMessageText(int number);

}  // namespace model
