// What the trace needs to know of the line list on display: which page, the line number each
// row stands for, and the row the trace marked last.
#pragma once

#include <vector>

namespace comm {

struct TraceView {
    int Page = 1;               // the page on display, 1..6 (CurPage + 1)
    std::vector<int> RowLines;  // lstPage's item values: the line number of a line row, 0 for
                                // a comment row
    int TraceItem = -1;         // the row the trace marked last, -1 for none
};

}  // namespace comm
