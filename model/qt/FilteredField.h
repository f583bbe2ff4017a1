// Line edits whose typing follows a text rule of the program's core.
#pragma once

#include <functional>
#include <string>

class QLineEdit;

namespace model {

using TextRule = std::function<std::string(const std::string& text)>;
// What a field holds after the user changed `before` into `after`.
using EditRule = std::function<std::string(const std::string& before, const std::string& after)>;

// Keeps `field`'s text to what `rule` makes of every change, typed or pasted, and selects the
// whole text when the field gets the focus so that typing replaces it.
void FilterTyping(QLineEdit* field, TextRule rule);
void FilterEdits(QLineEdit* field, EditRule rule);

}  // namespace model
