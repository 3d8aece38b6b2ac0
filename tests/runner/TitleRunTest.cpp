// Whole-scene checks of the title screen through the headless runner.
#include "app/Runner.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

struct Frame {
    int objects = 0;
    std::string phase;
};

std::vector<Frame> RunTitle(int frames, const std::string& keys, const std::string& name) {
    const std::string dir = "/tmp/vrels-title-" + name + "-" + std::to_string(getpid());
    mkdir(dir.c_str(), 0755);
    vrels::RunnerOptions options;
    options.dir = VRELS_GAME_DIR;
    options.frames = frames;
    options.traceFile = dir + "/trace.jsonl";
    if (!keys.empty()) {
        options.keysFile = dir + "/keys.txt";
        std::ofstream(options.keysFile) << keys;
    }
    EXPECT_EQ(vrels::RunHeadless(options), 0);
    std::vector<Frame> result(1);
    std::ifstream in(options.traceFile);
    std::string line;
    while (std::getline(in, line)) {
        Frame f;
        const size_t o = line.find("\"objects\":");
        f.objects = std::stoi(line.substr(o + 10));
        const size_t p = line.find("\"phase\":\"");
        f.phase = line.substr(p + 9, line.find('"', p + 9) - p - 9);
        result.push_back(f);
    }
    std::filesystem::remove_all(dir);
    return result;
}

} // namespace

TEST(TitleRun, LogoPiecesArriveOnScheduleAndThePhasesFollow) {
    const auto t = RunTitle(700, "", "timing");
    ASSERT_EQ(t.size(), 701u);
    // Pimbrel alone, then one piece every 9 frames, the ring at 64.
    EXPECT_EQ(t[8].objects, 1);
    EXPECT_EQ(t[9].objects, 2);
    EXPECT_EQ(t[18].objects, 3);
    EXPECT_EQ(t[45].objects, 6);
    EXPECT_EQ(t[63].objects, 6);
    EXPECT_EQ(t[64].objects, 7);
    EXPECT_EQ(t[93].objects, 6) << "the ring fades out after 29 frames";
    EXPECT_EQ(t[185].phase, "pimbrel");
    EXPECT_EQ(t[186].phase, "lorrowind");
    EXPECT_EQ(t[700].phase, "Stop");
}

TEST(TitleRun, OneLongPressSkipsOnlyOnePhase) {
    const auto t = RunTitle(60, "5 RETURN\n", "hold");
    EXPECT_EQ(t[6].phase, "lorrowind");
    EXPECT_EQ(t[60].phase, "lorrowind");

    const auto taps = RunTitle(60, "5 RETURN\n6\n10 Z\n11\n15 RETURN\n16\n20 X\n", "taps");
    EXPECT_EQ(taps[11].phase, "TitleLogo");
    EXPECT_EQ(taps[16].phase, "Stop");
    EXPECT_EQ(taps[20].phase, "Stop") << "X is not a confirm key";
}

TEST(TitleRun, PressingThroughReachesTheMenu) {
    const auto t =
        RunTitle(40, "5 RETURN\n6\n10 RETURN\n11\n15 RETURN\n16\n20 RETURN\n21\n", "menu");
    EXPECT_EQ(t[21].phase, "select");
    EXPECT_EQ(t[40].objects, 1);
}

TEST(Runner, KeyScriptsNameTheLineOfAnError) {
    vrels::KeyScript script;
    std::string error;
    EXPECT_TRUE(vrels::ParseKeyScript("# comment\n10 Z RIGHT\n20\n", &script, &error));
    EXPECT_EQ(script.size(), 2u);
    EXPECT_EQ(script[10].size(), 2u);
    EXPECT_TRUE(script[20].empty());
    EXPECT_FALSE(vrels::ParseKeyScript("1 Z\n2 BOGUS\n", &script, &error));
    EXPECT_NE(error.find("line 2"), std::string::npos);
}
