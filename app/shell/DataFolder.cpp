// Finding the help pages and the sample program.
#include "app/shell/DataFolder.h"

namespace shell {

namespace {

std::string WithSeparator(std::string folder) {
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

}  // namespace

std::string DataFolder(const std::string& directorySetting, const std::string& programFolder,
                       const std::string& sourceFolder,
                       const std::function<bool(const std::string&)>& exists) {
    if (!directorySetting.empty())
        return WithSeparator(directorySetting);
    const std::string installed = WithSeparator(programFolder) + "../share/zolt-programmer/";
    for (const std::string& folder : {installed, WithSeparator(sourceFolder)}) {
        if (exists(HelpPage(folder)))
            return folder;
    }
    return installed;
}

std::string HelpPage(const std::string& dataFolder) {
    return dataFolder + "Help/main.htm";
}

std::string DemoFolder(const std::string& dataFolder) {
    return dataFolder + "Demo/";
}

std::string DemoProgram(const std::string& dataFolder) {
    return DemoFolder(dataFolder) + "Zolt_demo.zlp";
}

}  // namespace shell
