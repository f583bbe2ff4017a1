// Conversion between the Windows-1252 text the program holds and UTF-8 for screens and tools.
#pragma once

#include <string>
#include <string_view>

namespace model {

// Each byte as its Unicode character in UTF-8. The five bytes Windows-1252 leaves undefined
// map to the C1 controls of the same value, as Windows does, so every byte survives a round
// trip.
std::string Cp1252ToUtf8(std::string_view text);

// UTF-8 to Windows-1252. A character the code page lacks, and a malformed sequence, become
// `replacement`; nothing is dropped.
std::string Utf8ToCp1252(std::string_view text, char replacement = '?');

// Text as a program may hold it: a double quote becomes an apostrophe and a line break a
// blank, since the program file has no way to write either inside a text.
std::string StorableText(std::string_view text);

// Appends text to out the way StorableText gives it.
void AppendStorableText(std::string& out, std::string_view text);

}  // namespace model
