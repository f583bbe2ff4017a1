// Where each page's lines and the BIOS registers sit in the controller's memory image.
#pragma once

namespace model {

constexpr int kRecordCount = 951;  // records 0..950 of the image
constexpr int kPageCount = 6;      // pages A..F
constexpr int kBiosRegisterCount = 151;
constexpr int kFirstBiosRecord = 800;  // register 1

// Record index of page p's line 1 (p = 0..5 for A..F).
constexpr int PageBase(int page) {
    return page == 0 ? 0 : 100 * page + 200;
}

// Highest editable 0-based line offset of page p: 199 on page A, 74 on B..F.
constexpr int PageLast(int page) {
    return page == 0 ? 199 : 74;
}

// Number of lines a page can hold: 200 on page A, 75 on B..F.
constexpr int PageCapacity(int page) {
    return PageLast(page) + 1;
}

constexpr char PageLetter(int page) {
    return static_cast<char>('A' + page);
}

// Record of BIOS register r (1..151).
constexpr int BiosRecord(int reg) {
    return 799 + reg;
}

// The page that shows record r, or -1 for transfer-only, unused and register records.
constexpr int PageOfRecord(int record) {
    for (int p = 0; p < kPageCount; ++p) {
        if (record >= PageBase(p) && record <= PageBase(p) + PageLast(p))
            return p;
    }
    return -1;
}

}  // namespace model
