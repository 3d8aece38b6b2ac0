// Whole runs through the screens around the stages, in a game folder of their
// own (the data linked in, settings and ranking their own) so that what they
// write never touches the build's game folder.
#include "app/Runner.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

struct Frame {
    std::string scene;
    std::string line;

    // The text of a "key":"value" field, or empty.
    std::string Text(const std::string& key) const {
        const std::string tag = "\"" + key + "\":\"";
        const size_t at = line.find(tag);
        if (at == std::string::npos) {
            return "";
        }
        const size_t from = at + tag.size();
        return line.substr(from, line.find('"', from) - from);
    }
    // The number of a "key":number field, or -1.
    long Number(const std::string& key) const {
        const std::string tag = "\"" + key + "\":";
        const size_t at = line.find(tag);
        return at == std::string::npos ? -1
                                       : std::strtol(line.c_str() + at + tag.size(), nullptr, 10);
    }
};

class GameFolder {
public:
    GameFolder(const std::string& settings, const std::string& ranking) {
        char folder[] = "/tmp/vrels-flow-XXXXXX";
        if (mkdtemp(folder)) {
            dir = folder;
        }
        for (const char* data : {"gfx", "map", "bgm", "se", "adv"}) {
            const std::string target = std::string(VRELS_GAME_DIR) + "/" + data;
            if (symlink(target.c_str(), (dir + "/" + data).c_str()) != 0) {
                std::perror("symlink");
            }
        }
        std::ofstream(dir + "/vrels.ini") << settings;
        if (!ranking.empty()) {
            std::ofstream(dir + "/score.ini") << ranking;
        }
    }
    // Removes the links themselves, never what they point to.
    ~GameFolder() { std::filesystem::remove_all(dir); }
    std::string Read(const std::string& name) const {
        std::ifstream in(dir + "/" + name, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    std::vector<Frame> Run(const std::string& scene, int frames, const std::string& keys) const {
        vrels::RunnerOptions options;
        options.dir = dir;
        options.scene = scene;
        options.frames = frames;
        options.traceFile = dir + "/trace.jsonl";
        options.keysFile = dir + "/keys.txt";
        std::ofstream(options.keysFile) << keys;
        EXPECT_EQ(vrels::RunHeadless(options), 0);
        std::vector<Frame> trace(1);
        std::ifstream in(options.traceFile);
        Frame f;
        while (std::getline(in, f.line)) {
            f.scene = f.Text("scene");
            trace.push_back(f);
        }
        return trace;
    }

    std::string dir;
};

// The first frame step at or after `from` that shows the scene, or 0.
size_t FirstOf(const std::vector<Frame>& t, const std::string& scene, size_t from = 1) {
    for (size_t i = from; i < t.size(); ++i) {
        if (t[i].scene == scene) {
            return i;
        }
    }
    return 0;
}

// Presses through the logos to the title menu (reached at frame step 21).
const char* const kToMenu = "5 RETURN\n6\n10 RETURN\n11\n15 RETURN\n16\n20 RETURN\n21\n";

} // namespace

TEST(FlowRun, TheTitleMenuLeadsToTheStageSelectAndTheMusicModeAndBack) {
    GameFolder game("[Save]\nLastStage=22\n", "");
    const std::string keys = std::string(kToMenu) +
                             "40 DOWN\n41\n"   // "Stage Select"
                             "50 RETURN\n51\n" // into the list
                             "70 UP\n71\n"     // up from the first line: "EXIT"
                             "80 RETURN\n81\n" // back to the title
                             "90 RETURN\n91\n95 RETURN\n96\n100 RETURN\n101\n105 RETURN\n106\n"
                             "130 DOWN\n131\n150 DOWN\n151\n" // "Music Mode"
                             "160 RETURN\n161\n";
    const auto t = game.Run("TitleScene", 170, keys);
    ASSERT_EQ(t.size(), 171u);
    const size_t select = FirstOf(t, "StageSelectScene");
    ASSERT_GT(select, 0u);
    EXPECT_NE(t[select].line.find("\"items\":[\"STAGE 1-1\",\"STAGE 1-2\",\"STAGE 1-3\","
                                  "\"STAGE 1-4\",\"STAGE 1 boss\",\"STAGE 2-1\",\"STAGE 2-2\","
                                  "\"EXIT\"]"),
              std::string::npos)
        << t[select].line;
    const size_t back = FirstOf(t, "TitleScene", select);
    ASSERT_GT(back, 0u) << "EXIT returns to the title";
    const size_t music = FirstOf(t, "MusicModeScene", back);
    ASSERT_GT(music, 0u) << t[159].line;
    EXPECT_EQ(t[music].Number("selected"), 0);
}

// Title -> "Arcade Mode" -> the first trial stage, shot through and lost with
// the only life ("Rest" 1) -> the continue counted down -> game over -> name
// entry -> ranking -> title. The run's 500 points tie with the ranking
// file's ninth place, so they go after it and push the tenth out.
TEST(FlowRun, ALostArcadeRunEndsInTheNameEntryAndTheRanking) {
    GameFolder game("[General]\nRest=1\n", "5000,TOP,2\n4000,TWO,1\n3000,THR,1\n2000,FOU,0\n"
                                           "1500,FIV,0\n1200,SIX,0\n1000,SEV,0\n800,EIG,0\n"
                                           "500,NIN,2\n300,TEN,1\n");
    std::string keys = std::string(kToMenu) + "40 RETURN\n41\n80 RIGHT\n"; // "Arcade Mode"
    // Walk on firing, into the first pit.
    for (int f = 120; f <= 300; f += 6) {
        keys += std::to_string(f) + " RIGHT Z\n" + std::to_string(f + 3) + " RIGHT\n";
    }
    // Every fresh press of a direction counts the continue down by one.
    for (int f = 410; f < 460; f += 4) {
        keys += std::to_string(f) + " DOWN\n" + std::to_string(f + 2) + "\n";
    }
    // Leave the game over early; then "A" three times and the end mark.
    keys += "560 RETURN\n561\n660 RETURN\n661\n664 RETURN\n665\n668 RETURN\n669\n"
            "672 RETURN\n673\n900 RETURN\n901\n";
    const auto t = game.Run("TitleScene", 910, keys);
    ASSERT_EQ(t.size(), 911u);

    const size_t stage = FirstOf(t, "Trial1_1Scene");
    ASSERT_GT(stage, 0u) << "Arcade Mode starts the trial course";
    const size_t over = FirstOf(t, "GameoverScene", stage);
    ASSERT_GT(over, 0u) << "the continue ran out";
    ASSERT_LT(over, 560u) << "the key script expects the game over by then";
    EXPECT_EQ(t[over - 1].Number("score"), 500);
    const size_t entry = FirstOf(t, "NameEntryScene", over);
    ASSERT_GT(entry, 0u) << "500 points rank";
    ASSERT_LT(entry, 660u) << "the key script expects the entry by then";

    const Frame& done = t[700];
    EXPECT_EQ(done.scene, "NameEntryScene");
    EXPECT_EQ(done.Text("name"), "AAA");
    EXPECT_NE(done.line.find("\"finished\":true"), std::string::npos);
    EXPECT_NE(done.line.find("{\"score\":500,\"name\":\"NIN\",\"difficulty\":2},"
                             "{\"score\":500,\"name\":\"AAA\",\"difficulty\":1}]"),
              std::string::npos)
        << done.line;
    EXPECT_EQ(t[899].scene, "NameEntryScene") << "the ranking waits for a press";
    EXPECT_EQ(t[901].scene, "TitleScene");

    const std::string file = game.Read("score.ini");
    EXPECT_EQ(file.substr(0, 21), "5000,TOP,2\n4000,TWO,1") << file;
    EXPECT_EQ(file.substr(file.size() - 20), "500,NIN,2\n500,AAA,1\n") << file;
    EXPECT_EQ(file.find("TEN"), std::string::npos);
}

// Left alone, the title plays demos of stages the player never reached; none
// of them may count as progress, or the stage select would offer them.
TEST(FlowRun, TheAttractDemoNeverRecordsProgress) {
    for (const std::string settings : {"", "[Save]\nLastStage=11\n; mine\n"}) {
        GameFolder game(settings, "");
        const std::string replays = std::string(VRELS_GAME_DIR) + "/replay";
        ASSERT_EQ(symlink(replays.c_str(), (game.dir + "/replay").c_str()), 0);
        if (settings.empty()) {
            std::remove((game.dir + "/vrels.ini").c_str());
        }
        const auto t = game.Run("TitleScene", 20000, "");
        size_t demos = 0;
        for (size_t i = 2; i < t.size(); ++i) {
            demos += t[i].scene != "TitleScene" && t[i - 1].scene == "TitleScene";
        }
        EXPECT_GE(demos, 2u) << "the title went on to its demos";
        if (settings.empty()) {
            EXPECT_NE(access((game.dir + "/vrels.ini").c_str(), F_OK), 0) << game.Read("vrels.ini");
        } else {
            EXPECT_EQ(game.Read("vrels.ini"), settings);
        }
    }
}

TEST(FlowRun, TheTrialEndingReturnsToTheTitleAfter300Frames) {
    GameFolder game("", "");
    const auto t = game.Run("TrialEndScene", 305, "");
    EXPECT_EQ(t[299].scene, "TrialEndScene");
    EXPECT_EQ(t[300].scene, "TitleScene");
}
