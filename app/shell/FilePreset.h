// The file name a program dialog opens with.
#pragma once

#include <string>

namespace shell {

// pattern ("*.zlp") alone when folder is empty, otherwise in folder, with a separator between
// them unless folder already ends with one.
std::string FilePreset(const std::string& folder, const std::string& pattern);

// The folder of a chosen file ("/home/u" for "/home/u/a.zlp", "/" for "/a.zlp"); empty for a
// bare name.
std::string FolderOfFile(const std::string& path);

}  // namespace shell
