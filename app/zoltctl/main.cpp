// zoltctl: the Zolt programming tool's core from the command line.
#include <cstring>
#include <iostream>

#include "app/zoltctl/Command.h"

namespace {

// Where the command summaries start in the command list.
constexpr std::size_t kNameColumn = 15;

std::vector<const zoltctl::Command*> AllCommands() {
    std::vector<const zoltctl::Command*> all;
    for (const auto* list : {&zoltctl::FileCommands(), &zoltctl::LinkCommands()})
        for (const zoltctl::Command& c : *list)
            all.push_back(&c);
    return all;
}

void PrintHelp(std::ostream& out) {
    out << "usage: zoltctl COMMAND [ARGS] | zoltctl COMMAND --help\n\ncommands:\n";
    for (const zoltctl::Command* c : AllCommands()) {
        const std::size_t name = std::strlen(c->Name);
        out << "  " << c->Name << std::string(name < kNameColumn ? kNameColumn - name : 1, ' ')
            << c->Summary << "\n";
    }
    out << "\nexit status: 0 success, 1 problems found or transfer failed, 2 file error, "
           "64 usage error\n";
}

bool IsHelp(const std::string& arg) {
    return arg == "--help" || arg == "-h" || arg == "help";
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        PrintHelp(std::cerr);
        return zoltctl::kExitUsage;
    }
    if (IsHelp(args[0])) {
        PrintHelp(std::cout);
        return zoltctl::kExitOk;
    }
    for (const zoltctl::Command* c : AllCommands()) {
        if (args[0] != c->Name)
            continue;
        const std::vector<std::string> rest(args.begin() + 1, args.end());
        for (const std::string& arg : rest) {
            if (IsHelp(arg)) {
                std::cout << c->Usage;
                return zoltctl::kExitOk;
            }
        }
        return c->Run(rest);
    }
    std::cerr << "zoltctl: unknown command '" << args[0] << "'\n\n";
    PrintHelp(std::cerr);
    return zoltctl::kExitUsage;
}
