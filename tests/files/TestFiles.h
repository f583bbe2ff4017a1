// Reading fixture files and making scratch folders for file tests.
#pragma once

#include <string>

namespace testfiles {

// The bytes of a file, or an empty string when it cannot be read.
std::string ReadBytes(const std::string& path);

// Bytes of tests/data/<name>.
std::string DataFile(const std::string& name);

void WriteBytes(const std::string& path, const std::string& bytes);

// A fresh folder under the system's temporary folder, removed with its content on destruction.
class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

}  // namespace testfiles
