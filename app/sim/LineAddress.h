// Where a unit keeps a line addressed by page and offset.
#pragma once

namespace sim {

// The memory record of page and offset, or -1 when the unit has no such line: page 1 holds
// offsets 0..299, pages 2..6 offsets 0..99, page 7 offsets 0..150 (registers 1..151).
int RecordOfLine(int page, int offset);

}  // namespace sim
