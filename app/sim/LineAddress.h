// Where a unit keeps a line addressed by page and offset, and the span a full transfer covers.
#pragma once

#include <vector>

namespace sim {

struct LineAddress {
    int Page = 1;  // 1..6 pages A..F, 7 the BIOS registers
    int Offset = 0;
};

// The memory record of page and offset, or -1 when the unit has no such line: page 1 holds
// offsets 0..299, pages 2..6 offsets 0..99, page 7 offsets 0..150 (registers 1..151).
int RecordOfLine(int page, int offset);

// The lines a full transfer moves, in order: page 1 offsets 0..249, pages 2..6 0..93, page 7
// 0..124 (845 lines).
const std::vector<LineAddress>& TransferSpan();

}  // namespace sim
