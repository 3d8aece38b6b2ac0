// The end of an arcade run played headless: the trial boss stage on a bunker
// arena written for the test into a game folder of its own, fought by a key
// script, cleared with its bonus, then the trial ending, and after it the
// name entry when the run's score ranks or straight the title when it does
// not.
#include "../scene/stage/BossStageSupport.h"

#include "app/Runner.h"

#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>

namespace {

struct Step {
    std::string scene;
    std::string line;
    int score = -1;
};

using bosstest::TraceField;

class TrialEndingRun : public ::testing::Test {
protected:
    void SetUp() override {
        arena = std::make_unique<bosstest::ArenaFolder>("trial_boss.tm2", bosstest::Bunker());
        dir = arena->path;
        ASSERT_FALSE(dir.empty());
    }

    std::vector<Step> Play(int frames) {
        vrels::RunnerOptions options;
        options.dir = dir;
        options.scene = "TrialBossScene";
        options.frames = frames;
        options.keysFile = std::string(VRELS_TEST_DATA_DIR) + "/stage/trial_ending.keys";
        options.traceFile = dir + "/trace.jsonl";
        EXPECT_EQ(vrels::RunHeadless(options), 0);
        std::vector<Step> steps(1); // steps[f] is frame step f
        std::ifstream in(options.traceFile);
        Step s;
        while (std::getline(in, s.line)) {
            s.scene = TraceField(s.line, "scene");
            const size_t at = s.line.find("\"record\":{");
            const size_t score = s.line.find("\"score\":", at);
            s.score = at == std::string::npos ? -1 : std::stoi(s.line.substr(score + 8));
            steps.push_back(s);
        }
        return steps;
    }

    std::string Read(const std::string& name) const {
        std::ifstream in(dir + "/" + name);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::unique_ptr<bosstest::ArenaFolder> arena;
    std::string dir;
};

size_t FirstOf(const std::vector<Step>& t, const std::string& scene) {
    for (size_t i = 1; i < t.size(); ++i) {
        if (t[i].scene == scene) {
            return i;
        }
    }
    return 0;
}

} // namespace

// 3000 for the brain and the 10000 bonus rank first in the built-in ranking.
TEST_F(TrialEndingRun, AClearedTrialShowsTheEndingThenTheNameEntryThenTheTitle) {
    const auto t = Play(2210);
    ASSERT_EQ(t.size(), 2211u);
    const size_t ending = FirstOf(t, "TrialEndScene");
    ASSERT_GT(ending, 0u) << "the trial boss stage was not cleared";
    EXPECT_EQ(t[ending - 1].scene, "TrialBossScene");
    EXPECT_EQ(t[ending - 1].score, 13000);

    // The picture stays its 300 frames without a press, then the run ranks.
    EXPECT_EQ(t[ending + 299].scene, "TrialEndScene");
    EXPECT_EQ(t[ending + 300].scene, "NameEntryScene");
    ASSERT_LT(ending + 300, 1980u) << "the key script enters the name from step 1980";

    EXPECT_EQ(TraceField(t[2100].line, "name"), "AAA");
    EXPECT_NE(t[2100].line.find("\"finished\":true"), std::string::npos) << t[2100].line;
    EXPECT_NE(t[2100].line.find("\"ranking\":[{\"score\":13000,\"name\":\"AAA\",\"difficulty\":1},"
                                "{\"score\":10000,"),
              std::string::npos)
        << t[2100].line;
    EXPECT_EQ(t[2199].scene, "NameEntryScene");
    EXPECT_EQ(t[2201].scene, "TitleScene");
    EXPECT_EQ(Read("score.ini").substr(0, 12), "13000,AAA,1\n");
}

TEST_F(TrialEndingRun, ARunThatDoesNotRankGoesFromTheEndingToTheTitle) {
    std::string ranking;
    for (int i = 0; i < 10; ++i) {
        ranking += std::to_string(90000 - 1000 * i) + ",TOP,3\n";
    }
    std::ofstream(dir + "/score.ini") << ranking;
    const auto t = Play(1960);
    const size_t ending = FirstOf(t, "TrialEndScene");
    ASSERT_GT(ending, 0u);
    EXPECT_EQ(t[ending + 299].scene, "TrialEndScene");
    EXPECT_EQ(t[ending + 300].scene, "TitleScene");
    EXPECT_EQ(FirstOf(t, "NameEntryScene"), 0u);
    EXPECT_EQ(Read("score.ini"), ranking) << "nothing written";
}
