// The rows of the line list and of the error log for one page.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace model {

class Program;

// A list row with its item data: the line number for a line row, 0 for a comment row; for a
// log row, the index of the line list row it points to.
struct ListRow {
    std::string Text;
    int ItemData;

    bool operator==(const ListRow& o) const { return Text == o.Text && ItemData == o.ItemData; }
};

struct PageListing {
    std::vector<ListRow> Rows;    // lstPage
    std::vector<ListRow> Errors;  // lstErrors
};

// Lists page p (0..5) up to its first End Page line, checking every line as it goes.
PageListing ListPage(const Program& program, int page);

// "    " + " 7" + ten blanks + text: the line row of line n.
std::string LineRowText(int lineNumber, const std::string& description);

// Twenty blanks + piece: a comment row.
std::string CommentRowText(std::string_view piece);

}  // namespace model
