// The story as written must be the conversations the boss stages play: the
// same portraits, lines, sides, kicks and waits in the same order, so every
// line is spoken by the portrait the story means.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <memory>
#include <sstream>
#include <string>

namespace {

const std::string kTool = std::string(VRELS_TOOLS_DIR) + "/vrels-storygen";
const std::string kStoryDir = VRELS_STORY_DIR;

// The boss stages' scripts in their short form: "x(p01..p05)" runs through
// the consecutive two-digit numbers, "End" is the usual close.
const std::map<std::string, std::string> kScripts = {
    {"Stage1bossScene", "L(mary0) l(a01) K0 R(ghost0) r(a02..a06) K0 L(boss1) l(a07) r(a08) "
                        "l(a09) l(a10) End"},
    {"Stage2bossScene", "L(mary0) l(b00) K0 R(ghost0) r(b01..b11) r(b01) r(b12) K0 L(boss1) "
                        "l(b13) r(b14) r(b15) r(b16) r(b17) r(b18) l(b19) l(b20) K0 r(b21) W(110) "
                        "K1 W(10)"},
    {"Stage3bossScene", "L(mary1) l(c01..c12) K0 L(mary0) l(c13) l(c14) l(c15) R(ghost0) r(c16) "
                        "r(c17) K0 L(mary5) l(c18) r(c19..c22) K0 L(boss1) l(c23) l(c24) End"},
    {"TrialBossScene", "L(mary0) r(t01) R(ghost0) r(t02..t08) l(t09) r(t10) r(t11) K1 K0 W(10)"},
    {"Stage5bossScene:1",
     "R(ghost0) r(d01..d06) K1 R(boss0) r(d07..d10) L(mary0) l(d11) r(d12) l(d13) r(d14) l(d15) "
     "r(d16) l(d17) K1 R(boss5) r(d18) K1 R(boss2) r(d19) r(d20) K0 L(mary4) l(d21) r(d22) r(d23) "
     "r(d24) K0 L(mary5) l(d25) r(d26) K0 L(mary0) l(d27) r(d28) r(d29) r(d30) l(d31) K1 R(boss6) "
     "r(d32) l(d33) K1 R(boss2) r(d34) K0 L(mary5) l(d35) r(d36) r(d37) K1 R(boss6) r(d38) r(d39) "
     "End"},
    {"Stage5bossScene:2",
     "R(boss4) r(e01) L(ghost0) l(e02) l(e03) l(e04) l(e05) r(e06) l(e07) l(e08) l(e09) K1 R(gil0) "
     "r(e10) r(e11) l(e12) l(e13) K0 L(mary3) l(e14) K1 R(gil1) r(e15) r(e16) l(e17) K1 R(boss4) "
     "r(e18) K1 R(gil0) r(e19) r(e20) K0 L(ghost0) l(e21) l(e22) l(e23) l(e24) K1 R(gil1) r(e25) "
     "K1 R(gil0) r(e26) r(e27) l(e27_2) K1 R(gil1) r(e28) r(e28_2) r(e28_3) l(e29) l(e30) l(e31) "
     "l(e32) r(e33) K1 R(boss4) r(e34) r(e35) r(e36) r(e37) K1 R(gil1) r(e38) K0 L(mary3) l(e39) "
     "End"},
    {"Stage5bossScene:3",
     "R(gil0) r(f01) L(mary2) l(f02) r(f03) L(mary3) l(f04) l(f05) l(f06) r(f07) r(f08) K1 "
     "R(ghost0) r(f09) r(f10) K1 K0 L(mary2) l(f11) K1 R(gil0) r(f12) r(f13) K0 L(mary1) l(f14) "
     "r(f15) r(f16) l(f17) r(f18) r(f19) r(f20) End"},
};

std::string Expand(const std::string& script) {
    std::istringstream in(script);
    std::string word, out;
    auto add = [&](const std::string& step) { out += (out.empty() ? "" : " ") + step; };
    while (in >> word) {
        const size_t dots = word.find("..");
        if (word == "End") {
            add("W(110) K1 K0 W(10)");
        } else if (dots != std::string::npos) {
            // x(p01..p05)
            const std::string head = word.substr(0, 3); // "r(p"
            const int first = std::stoi(word.substr(3, dots - 3));
            const int last = std::stoi(word.substr(dots + 3, word.size() - dots - 4));
            for (int n = first; n <= last; ++n) {
                char number[8];
                std::snprintf(number, sizeof number, "%02d", n);
                add(head + number + ")");
            }
        } else {
            add(word);
        }
    }
    return out;
}

std::map<std::string, std::string> WrittenScripts() {
    std::map<std::string, std::string> scripts;
    const std::string command = kTool + " --story-dir " + kStoryDir + " --print-scripts";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) {
        ADD_FAILURE() << "cannot run " << command;
        return scripts;
    }
    std::string text;
    char buffer[4096];
    while (fgets(buffer, sizeof buffer, pipe.get()) != nullptr) {
        text += buffer;
    }
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        const size_t colon = line.find(": ");
        if (colon != std::string::npos) {
            scripts[line.substr(0, colon)] = line.substr(colon + 2);
        }
    }
    return scripts;
}

TEST(StoryScripts, TheStoryPlaysInTheOrderOfTheBossStagesScripts) {
    EXPECT_EQ(Expand("r(a02..a04) End"), "r(a02) r(a03) r(a04) W(110) K1 K0 W(10)");
    const std::map<std::string, std::string> written = WrittenScripts();
    EXPECT_EQ(written.size(), kScripts.size());
    for (const auto& [scene, script] : kScripts) {
        SCOPED_TRACE(scene);
        auto it = written.find(scene);
        ASSERT_NE(it, written.end()) << "no conversation for " << scene;
        EXPECT_EQ(it->second, Expand(script));
    }
}

} // namespace
