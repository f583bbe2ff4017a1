// The six pages of the sample program, each a name and its lines with their comments.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/PageGeometry.h"
#include "tools/demo/Lines.h"

namespace demo {

struct Line {
    int Number;  // the line number, which jump, Repeat and Move lines name
    LineCode Code;
    std::string Comment;
};

struct Page {
    std::string Name;
    std::vector<Line> Lines;  // from line 1 to the page's End Page line
};

// Pages A..F.
const std::array<Page, model::kPageCount>& Pages();

}  // namespace demo
