// Writing a whole file so that it is either replaced completely or left as it was.
#pragma once

#include <string>
#include <string_view>

namespace files {

// Writes bytes to a temporary file in the target's folder, checks that every byte went out,
// flushes it to disk and renames it over path (following a symbolic link to its target). An
// existing file keeps its permissions. Returns an empty string on success, otherwise what went
// wrong; the target is then untouched and no temporary file is left.
std::string WriteFileAtomically(const std::string& path, std::string_view bytes);

// Reads at most maxBytes of a file. Returns false, with error set, when it cannot be opened.
bool ReadFilePrefix(const std::string& path, std::size_t maxBytes, std::string& bytes,
                    std::string& error);

}  // namespace files
