// Presets of the program file dialogs.
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

}  // namespace shell
