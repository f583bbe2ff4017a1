// Line edits whose typing follows a text rule of the program's core.
#pragma once

#include <functional>
#include <string>

class QLineEdit;

namespace model {

using TextRule = std::function<std::string(const std::string&)>;

// Keeps `field`'s text to what `rule` makes of every change, typed or pasted (a refused
// character simply does not appear), and selects the whole text when the field gets the focus
// so that typing replaces it.
void FilterTyping(QLineEdit* field, TextRule rule);

}  // namespace model
