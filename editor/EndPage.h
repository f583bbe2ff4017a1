// Where a page's End Page line stands, as kept in BIOS registers 1..6.
#pragma once

namespace model {
class Program;
}

namespace editor {

constexpr int kEndPageCode = 12;

// The line offset of page p's first End Page line, found in the page itself, so that a
// register left stale by another tool cannot make a line operation move the wrong lines.
// PageLast when the page holds no End Page.
int FindEndPage(const model::Program& program, int page);

// Byte A of register p + 1.
void StoreEndPageIndex(model::Program& program, int page, int offset);

}  // namespace editor
