// The main window's title.
#include "editor/WindowTitle.h"

namespace editor {

std::string WindowTitle(const std::string& pgmFile, const std::string& folder) {
    const std::string title = "Zolt MCU Programmer";
    if (pgmFile.empty())
        return title;
    std::string prefix = folder;
    if (!prefix.empty() && prefix.back() != '/')
        prefix += '/';
    const bool inFolder = !prefix.empty() && pgmFile.size() > prefix.size() &&
                          pgmFile.compare(0, prefix.size(), prefix) == 0;
    return title + " [" + (inFolder ? pgmFile.substr(prefix.size()) : pgmFile) + "]";
}

}  // namespace editor
