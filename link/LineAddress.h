// Where a line addressed on the wire by page and offset sits in the memory image, and the lines
// a full program transfer moves.
#pragma once

#include <optional>
#include <vector>

namespace comm {

constexpr int kBiosPage = 7;  // the wire's page of the BIOS registers

struct WireLine {
    int Page = 1;  // 1..6 pages A..F, 7 the BIOS registers
    int Offset = 0;
    int Record = 0;
};

// The record of page and offset: the offset on page 1, page x 100 + 100 + offset on pages 2..7.
// Nothing for a page outside 1..7 or a record past the end of the image.
std::optional<int> RecordOfLine(int page, int offset);

// Page 1 offsets 0..249, pages 2..6 offsets 0..93, page 7 offsets 0..124: 845 lines, in order.
const std::vector<WireLine>& TransferSpan();

}  // namespace comm
