// The program file (.zlp): reading every generation ("beta", from 1.1.3, from 2.2.0) and
// writing the current one.
#pragma once

#include <string>
#include <string_view>

namespace model {
class Program;
}

namespace files {

constexpr const char* kFileHeader = "Do not modify this file";

// How far a read got.
struct LoadReport {
    bool Opened = false;    // false: the file could not be opened and the program is untouched
    bool Complete = false;  // the file was read to its end (LoadOK)
    std::string StoppedAt;  // the item that could not be read: "record 17, code byte 2"
    std::string Reason;     // why: "the file ends here"
    int Line = 0;           // the file line of that item

    // One sentence for the user, naming the file; empty for a complete read.
    std::string Message(const std::string& path) const;
};

// Opens a program file into program. A file that cannot be opened leaves program as it was.
// Otherwise the program is cleared (page names, records, I/O names; the panel tables stay as
// they are for a file of an earlier generation) and filled item by item up to the first item
// that cannot be read; PgmFile becomes path, PgmChanged is cleared, LoadOK and FileVersion say
// how the read went, and IOType is rebuilt.
LoadReport LoadProgram(model::Program& program, const std::string& path);

// The same from the file's bytes, leaving PgmFile alone.
LoadReport ReadProgramText(model::Program& program, std::string_view text);

// The bytes of the current file generation for program, CR LF line ends, Windows-1252.
std::string ProgramFileText(const model::Program& program);

// Writes program to path without ever leaving a half-written file behind. On success PgmFile
// becomes path and PgmChanged is cleared; otherwise both stay and the error is returned.
std::string SaveProgram(model::Program& program, const std::string& path);

}  // namespace files
