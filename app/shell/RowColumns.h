// Where the parts of a line-list row stand when the list draws them in columns.
#pragma once

#include <string_view>

namespace shell {

// The text of a line row keeps the spacing its listing has always had, which puts the numbers
// of lines 10 and up one column left of lines 1..9 in a fixed-pitch font. The list draws the
// number right-aligned so that it ends in kNumberEnd and the description from kDescriptionStart
// (character columns from 0), as lines 1..9 stand; comment rows are drawn as they are.
constexpr int kNumberEnd = 6;
constexpr int kDescriptionStart = 16;

struct RowColumns {
    std::string_view Number;       // the digits
    std::string_view Description;  // what follows the ten blanks after them
};

// The parts of a line row ("   10          Wait 2.00 Seconds"); a row that is not a line row
// (no digits first) gives empty parts.
RowColumns SplitLineRow(std::string_view row);

}  // namespace shell
