// Whole runs through the screens around the stages, in a game folder of their
// own (the data linked in, settings and ranking their own) so that what they
// write never touches the build's game folder.
#include "app/Runner.h"
#include "tests/runner/GameFolder.h"

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

using runtest::FirstOf;
using runtest::Frame;
using runtest::GameFolder;

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

// Title -> "Arcade Mode" -> the first trial stage, lost with the only life
// ("Rest" 1) to its first brain -> the continue counted down -> game over ->
// name entry -> ranking -> title. The run's 900 points (five coins on the
// bank, four over the rock wall) tie with the ranking file's ninth place, so
// they go after it and push the tenth out.
TEST(FlowRun, ALostArcadeRunEndsInTheNameEntryAndTheRanking) {
    GameFolder game("[General]\nRest=1\n", "5000,TOP,2\n4000,TWO,1\n3000,THR,1\n2000,FOU,0\n"
                                           "1500,FIV,0\n1200,SIX,0\n1000,SEV,0\n950,EIG,0\n"
                                           "900,NIN,2\n300,TEN,1\n");
    // "Arcade Mode"; walk on, up onto the bank, over the rock wall, into the brain.
    std::string keys = std::string(kToMenu) + "40 RETURN\n41\n80 RIGHT\n176 RIGHT X\n200 RIGHT\n" +
                       "232 RIGHT X\n258 RIGHT\n296 RIGHT X\n322 RIGHT\n";
    // Every fresh press of a direction counts the continue down by one.
    for (int f = 590; f < 640; f += 4) {
        keys += std::to_string(f) + " DOWN\n" + std::to_string(f + 2) + "\n";
    }
    // Leave the game over early; then "A" three times and the end mark.
    keys += "740 RETURN\n741\n840 RETURN\n841\n844 RETURN\n845\n848 RETURN\n849\n"
            "852 RETURN\n853\n1080 RETURN\n1081\n";
    const auto t = game.Run("TitleScene", 1090, keys);
    ASSERT_EQ(t.size(), 1091u);

    const size_t stage = FirstOf(t, "Trial1_1Scene");
    ASSERT_GT(stage, 0u) << "Arcade Mode starts the trial course";
    const size_t over = FirstOf(t, "GameoverScene", stage);
    ASSERT_GT(over, 0u) << "the continue ran out";
    ASSERT_LT(over, 740u) << "the key script expects the game over by then";
    EXPECT_EQ(t[over - 1].Number("score"), 900);
    const size_t entry = FirstOf(t, "NameEntryScene", over);
    ASSERT_GT(entry, 0u) << "900 points rank";
    ASSERT_LT(entry, 840u) << "the key script expects the entry by then";

    const Frame& done = t[880];
    EXPECT_EQ(done.scene, "NameEntryScene");
    EXPECT_EQ(done.Text("name"), "AAA");
    EXPECT_NE(done.line.find("\"finished\":true"), std::string::npos);
    EXPECT_NE(done.line.find("{\"score\":900,\"name\":\"NIN\",\"difficulty\":2},"
                             "{\"score\":900,\"name\":\"AAA\",\"difficulty\":1}]"),
              std::string::npos)
        << done.line;
    EXPECT_EQ(t[1079].scene, "NameEntryScene") << "the ranking waits for a press";
    EXPECT_EQ(t[1081].scene, "TitleScene");

    const std::string file = game.Read("score.ini");
    EXPECT_EQ(file.substr(0, 21), "5000,TOP,2\n4000,TWO,1") << file;
    EXPECT_EQ(file.substr(file.size() - 20), "900,NIN,2\n900,AAA,1\n") << file;
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
