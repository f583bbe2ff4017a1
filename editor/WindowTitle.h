// The main window's title for the open program.
#pragma once

#include <string>

namespace editor {

// "Zolt MCU Programmer" for a program without file, otherwise "Zolt MCU Programmer [name]":
// name is the file's path relative to `folder` (the folder of the last file dialog) when the
// file lies in it, else the full path.
std::string WindowTitle(const std::string& pgmFile, const std::string& folder);

}  // namespace editor
