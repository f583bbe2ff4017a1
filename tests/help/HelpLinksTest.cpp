// The help pages: every file a page points at is there, and every page can be reached from the
// contents page and leads back to it.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kHelp = ZOLT_HELP_DIR;
const fs::path kContents = "main.htm";

// Web addresses and anchors within the page point at no file of the help.
bool PointsOutside(const std::string& target) {
    for (const char* scheme : {"http:", "https:", "mailto:"}) {
        if (target.rfind(scheme, 0) == 0)
            return true;
    }
    return target.empty() || target.front() == '#';
}

// Every page under Help, by its path relative to Help, with the files its href and src
// attributes point at, relative to Help as well.
std::map<fs::path, std::vector<fs::path>> ReadPages() {
    static const std::regex attribute(R"re((?:href|src)\s*=\s*"([^"]*)")re", std::regex::icase);
    std::map<fs::path, std::vector<fs::path>> pages;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(kHelp)) {
        if (entry.path().extension() != ".htm")
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        const std::string html = text.str();
        const fs::path page = entry.path().lexically_relative(kHelp);
        std::vector<fs::path>& targets = pages[page];
        for (std::sregex_iterator m(html.begin(), html.end(), attribute), end; m != end; ++m) {
            const std::string target = (*m)[1];
            if (!PointsOutside(target))
                targets.push_back(
                    (page.parent_path() / target.substr(0, target.find('#'))).lexically_normal());
        }
    }
    return pages;
}

TEST(HelpLinks, NoPagePointsAtAMissingFile) {
    for (const auto& [page, targets] : ReadPages()) {
        for (const fs::path& target : targets)
            EXPECT_TRUE(fs::is_regular_file(kHelp / target)) << page << " points at " << target;
    }
}

TEST(HelpLinks, NoPageIsOutOfReachOfTheContents) {
    const auto pages = ReadPages();
    ASSERT_EQ(pages.count(kContents), 1u) << "no " << kContents << " in " << kHelp;
    std::set<fs::path> reached{kContents};
    for (std::deque<fs::path> next{kContents}; !next.empty(); next.pop_front()) {
        for (const fs::path& target : pages.at(next.front())) {
            if (pages.count(target) == 1 && reached.insert(target).second)
                next.push_back(target);
        }
    }
    for (const auto& entry : pages)
        EXPECT_EQ(reached.count(entry.first), 1u) << entry.first << " is not reached";
}

TEST(HelpLinks, NoPageLacksTheWayBackToTheContents) {
    for (const auto& [page, targets] : ReadPages()) {
        EXPECT_TRUE(page == kContents || std::count(targets.begin(), targets.end(), kContents) > 0)
            << page << " has no link to " << kContents;
    }
}

}  // namespace
