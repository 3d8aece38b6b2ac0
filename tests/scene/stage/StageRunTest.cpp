// The test stage played from start to goal through the headless runner with a
// recorded key script: every enemy kind on the way is stomped or shot, the
// goal is reached without a miss, the clear adds its bonus and the stage hands
// over to the next scene.
#include "StageRunSupport.h"
#include "app/Runner.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

struct TraceFrame {
    std::string scene;
    bool goalReached = false;
    int lifeState = 0;
    int score = 0;
    int clearState = 0;
    std::set<std::string> enemies; // kinds of the awake enemies
};

using stagerun::Field;

std::vector<TraceFrame> ReadTrace(const std::string& file) {
    std::vector<TraceFrame> frames;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        TraceFrame f;
        f.scene = Field(line, "scene");
        f.goalReached = Field(line, "goalReached") == "true";
        const std::string life = Field(line, "lifeState");
        f.lifeState = life.empty() ? 0 : std::stoi(life);
        const std::string score = Field(line, "score");
        f.score = score.empty() ? 0 : std::stoi(score);
        const std::string clear = Field(line, "clearState");
        f.clearState = clear.empty() ? 0 : std::stoi(clear);
        for (size_t at = line.find("\"kind\":\""); at != std::string::npos;
             at = line.find("\"kind\":\"", at + 1)) {
            const size_t start = at + 8;
            f.enemies.insert(line.substr(start, line.find('"', start) - start));
        }
        frames.push_back(f);
    }
    return frames;
}

} // namespace

TEST(StageRun, TheKeyScriptPlaysTheTestStageFromStartToGoal) {
    // A folder of its own, so that test runs side by side do not share a trace.
    char folder[] = "/tmp/vrels-stage-run-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string dir = folder;
    vrels::RunnerOptions options;
    options.dir = VRELS_GAME_DIR;
    options.scene = "Stage0Scene";
    options.frames = 3000;
    options.keysFile = std::string(VRELS_TEST_DATA_DIR) + "/stage/test_map_run.keys";
    options.traceFile = dir + "/trace.jsonl";
    ASSERT_EQ(vrels::RunHeadless(options), 0);
    const auto trace = ReadTrace(options.traceFile);
    std::remove(options.traceFile.c_str());
    rmdir(folder);
    ASSERT_EQ(trace.size(), 3000u);

    size_t goal = 0;
    std::set<std::string> met;
    while (goal < trace.size() && !trace[goal].goalReached) {
        ASSERT_EQ(trace[goal].lifeState, 0) << "a miss at frame " << goal + 1;
        ASSERT_EQ(trace[goal].scene, "Stage0Scene");
        met.insert(trace[goal].enemies.begin(), trace[goal].enemies.end());
        ++goal;
    }
    ASSERT_LT(goal, trace.size()) << "the goal was never reached";

    // Every kind, hazard and the turret's fireballs came on screen ...
    const std::set<std::string> scoring = {"Brain", "Met",       "Togezo",        "Mecha",
                                           "Death", "Monoeye",   "PataPataFloat", "PataPata",
                                           "Ghost", "Marionette"};
    for (const char* kind :
         {"Brain", "Met", "Togezo", "Mecha", "Death", "Monoeye", "PataPataFloat", "PataPata",
          "Ghost", "Marionette", "Burner", "Guruguru", "FireBall", "Dummy"}) {
        EXPECT_EQ(met.count(kind), 1u) << kind << " never came on screen";
    }
    // ... and every enemy that scores was killed on the way: the items of the
    // first half make 800, the ten kills 3400.
    for (const std::string& kind : trace[goal].enemies) {
        EXPECT_EQ(scoring.count(kind), 0u) << kind << " still stands at the goal";
    }
    EXPECT_EQ(trace[goal].score, 800 + 100 + 200 + 200 + 400 + 1000 + 200 + 300 + 300 + 200 + 500);

    // The clear sequence adds the bonus once, then the stage fades out.
    const int scoreAtGoal = trace[goal].score;
    size_t leave = goal;
    while (leave < trace.size() && trace[leave].scene == "Stage0Scene") {
        ++leave;
    }
    ASSERT_LT(leave, trace.size()) << "the stage never handed over";
    EXPECT_EQ(trace[leave - 1].score, scoreAtGoal + 10000);
    EXPECT_EQ(trace[leave - 1].clearState, 6);
    EXPECT_EQ(trace[leave].scene, "TitleScene") << "the stage after the test stage does not exist";
}
