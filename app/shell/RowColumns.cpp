// The parts of a line-list row.
#include "app/shell/RowColumns.h"

namespace shell {

RowColumns SplitLineRow(std::string_view row) {
    const std::size_t first = row.find_first_not_of(' ');
    if (first == std::string_view::npos || row[first] < '0' || row[first] > '9')
        return {};
    std::size_t end = first;
    while (end < row.size() && row[end] >= '0' && row[end] <= '9')
        ++end;
    constexpr std::size_t kGap = 10;  // the blanks between number and description
    const std::string_view description =
        row.size() > end + kGap ? row.substr(end + kGap) : std::string_view();
    return {row.substr(first, end - first), description};
}

}  // namespace shell
