// The file names the program and export dialogs start with and hand back.
#pragma once

#include <string>

namespace shell {

// pattern ("*.zlp") alone when folder is empty, otherwise in folder, with a separator between
// them unless folder already ends with one.
std::string FilePreset(const std::string& folder, const std::string& pattern);

// The folder of a chosen file ("/home/u" for "/home/u/a.zlp", "/" for "/a.zlp"); empty for a
// bare name.
std::string FolderOfFile(const std::string& path);

// path with extension (".zlp") added when its file name has none, so that a file saved as
// "filler" is found again under the dialogs' "*.zlp" filter. A name ending in a dot keeps it.
std::string WithDefaultExtension(const std::string& path, const std::string& extension);

}  // namespace shell
