// File names of the program and export dialogs.
#include "app/shell/FilePreset.h"

namespace shell {

std::string FilePreset(const std::string& folder, const std::string& pattern) {
    if (folder.empty())
        return pattern;
    return folder.back() == '/' ? folder + pattern : folder + "/" + pattern;
}

std::string FolderOfFile(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return {};
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string WithDefaultExtension(const std::string& path, const std::string& extension) {
    const std::size_t name = path.rfind('/') == std::string::npos ? 0 : path.rfind('/') + 1;
    // A leading dot makes a hidden file, not an extension.
    if (path.find('.', name + 1) != std::string::npos)
        return path;
    return path + extension;
}

}  // namespace shell
