// What a text field of the program's dialogs may hold of what the user types or pastes.
#pragma once

#include <cstddef>
#include <string>

namespace model {

// `text` without its double quotes (the program file quotes its texts), at most `most`
// characters.
std::string WithoutQuotes(const std::string& text, std::size_t most);

// The digits of `text`, at most `most` of them.
std::string DigitsOf(const std::string& text, std::size_t most);

}  // namespace model
