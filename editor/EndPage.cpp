// End Page positions.
#include "editor/EndPage.h"

#include "model/Program.h"

namespace editor {

int FindEndPage(const model::Program& program, int page) {
    const int base = model::PageBase(page);
    for (int offset = 0; offset < model::PageLast(page); ++offset) {
        if (program.PgmData[base + offset].F() == kEndPageCode)
            return offset;
    }
    return model::PageLast(page);
}

void StoreEndPageIndex(model::Program& program, int page, int offset) {
    program.SetRegisterByte(page + 1, 0, offset);
}

}  // namespace editor
