// The human-readable listing of a whole program that File > Export writes.
#pragma once

#include <string>

namespace model {
class Program;
}

namespace files {

// The export text: every page to its first End Page with descriptions and comments, the
// hardware setup and names, the module status, and the timer and counter panel settings.
// Windows-1252, CR LF line ends.
std::string ExportText(const model::Program& program);

// Writes the export to path without leaving a half-written file; returns the error, or empty.
std::string ExportProgram(const model::Program& program, const std::string& path);

}  // namespace files
