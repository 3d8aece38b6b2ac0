// The README's list of scene names is the one `vrels-run --help` prints: a
// stage added, renamed or dropped without the README following shows here.
#include <array>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string CommandOutput(const std::string& command) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) {
        return "";
    }
    std::string out;
    std::array<char, 4096> buffer{};
    size_t n = 0;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0) {
        out.append(buffer.data(), n);
    }
    return out;
}

// The quoted names of the paragraph below "### Scene names"; a range such as
// "Stage1_1Scene" to "Stage1_4Scene" stands for every number in between.
std::set<std::string> ReadmeSceneNames(const std::string& readme) {
    std::set<std::string> names;
    const size_t heading = readme.find("\n### Scene names\n");
    if (heading == std::string::npos) {
        return names;
    }
    const size_t start = readme.find("\n\n", heading) + 2;
    const std::string paragraph = readme.substr(start, readme.find("\n\n", start) - start);
    const std::regex quoted("\"(\\w+)\"(\\s+to\\s+\"(\\w+)\")?");
    for (std::sregex_iterator it(paragraph.begin(), paragraph.end(), quoted), end; it != end;
         ++it) {
        const std::string first = (*it)[1];
        const std::string last = (*it)[3];
        if (last.empty()) {
            names.insert(first);
            continue;
        }
        // The two ends differ in one digit only.
        size_t at = 0;
        while (at < first.size() && first[at] == last[at]) {
            ++at;
        }
        for (char digit = first[at]; digit <= last[at]; ++digit) {
            std::string name = first;
            name[at] = digit;
            names.insert(name);
        }
    }
    return names;
}

// The words on the lines below "scenes for --scene:" in the usage text.
std::set<std::string> HelpSceneNames(const std::string& help) {
    std::set<std::string> names;
    const size_t list = help.find("scenes for --scene:\n");
    if (list == std::string::npos) {
        return names;
    }
    std::istringstream lines(help.substr(list + 20));
    std::string line;
    while (std::getline(lines, line) && line.rfind("  ", 0) == 0) {
        std::istringstream words(line);
        std::string word;
        while (words >> word) {
            names.insert(word);
        }
    }
    return names;
}

TEST(ReadmeScenes, TheReadmeListsExactlyTheScenesTheRunnerKnows) {
    const std::set<std::string> readme =
        ReadmeSceneNames(ReadFile(std::string(VRELS_SOURCE_DIR) + "/README.md"));
    const std::set<std::string> help =
        HelpSceneNames(CommandOutput(std::string(VRELS_TOOLS_DIR) + "/vrels-run --help"));
    ASSERT_GT(help.size(), 30u) << "the runner's --help names the scenes";
    for (const std::string& name : help) {
        EXPECT_EQ(readme.count(name), 1u) << name << " is missing from the README's scene names";
    }
    for (const std::string& name : readme) {
        EXPECT_EQ(help.count(name), 1u) << "the README names " << name << ", the runner does not";
    }
    EXPECT_EQ(readme.count("Stage1_3Scene"), 1u) << "ranges are read whole";
}

} // namespace
