// Where the help pages and the sample program are: the installation folder the "Directory"
// setting names, else the data folder of the installed program, else the source tree a
// programmer built from.
#pragma once

#include <functional>
#include <string>

namespace shell {

// The folder that holds Help/ and Demo/, ending with a separator. directorySetting: the
// "Directory" setting (empty when absent); programFolder: the folder of the running program;
// sourceFolder: the source tree it was built from. The first of the installed data folder
// (programFolder/../share/zolt-programmer) and sourceFolder that holds Help/main.htm wins; with
// neither, the installed data folder, so that messages name where the help belongs.
std::string DataFolder(const std::string& directorySetting, const std::string& programFolder,
                       const std::string& sourceFolder,
                       const std::function<bool(const std::string&)>& exists);

std::string HelpPage(const std::string& dataFolder);
std::string DemoFolder(const std::string& dataFolder);
std::string DemoProgram(const std::string& dataFolder);

}  // namespace shell
