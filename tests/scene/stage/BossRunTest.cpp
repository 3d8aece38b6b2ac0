// A boss stage played headless through the runner with a key script, on a
// bunker arena written for the test into a game folder of its own (the
// game's pictures and sounds linked in): the conversation shows in the trace
// as "event", the fight as "boss", and two runs with the same keys repeat
// every choice of the boss exactly.
#include "BossStageSupport.h"

#include "app/Runner.h"

#include <fstream>
#include <gtest/gtest.h>
#include <memory>

namespace {

using bosstest::TraceField;

struct RunTrace {
    std::vector<std::string> boss;  // the "boss" object of each frame, "" when none
    std::vector<std::string> event; // the "event" object of each frame, "" when none
    std::vector<std::string> scene;
    std::vector<int> score;
    std::vector<int> clearState;
};

class BossRun : public ::testing::Test {
protected:
    void SetUp() override {
        arena = std::make_unique<bosstest::ArenaFolder>("trial_boss.tm2", bosstest::Bunker());
        dir = arena->path;
        ASSERT_FALSE(dir.empty());
    }

    RunTrace Play(int frames) {
        vrels::RunnerOptions options;
        options.dir = dir;
        options.scene = "TrialBossScene";
        options.frames = frames;
        options.keysFile = std::string(VRELS_TEST_DATA_DIR) + "/stage/trial_boss_fight.keys";
        options.traceFile = dir + "/trace.jsonl";
        EXPECT_EQ(vrels::RunHeadless(options), 0);
        RunTrace run;
        std::ifstream in(options.traceFile);
        std::string line;
        while (std::getline(in, line)) {
            run.boss.push_back(TraceField(line, "boss"));
            run.event.push_back(TraceField(line, "event"));
            run.scene.push_back(TraceField(line, "scene"));
            const std::string score = TraceField(line, "score");
            run.score.push_back(score.empty() ? -1 : std::stoi(score));
            const std::string clear = TraceField(line, "clearState");
            run.clearState.push_back(clear.empty() ? -1 : std::stoi(clear));
        }
        return run;
    }

    std::unique_ptr<bosstest::ArenaFolder> arena;
    std::string dir;
};

int HitPoints(const std::string& boss) {
    const std::string hp = TraceField(boss, "hp");
    return hp.empty() ? -1 : std::stoi(hp);
}

} // namespace

TEST_F(BossRun, TheConversationTheFightTheDeathAndTheClearRepeatExactly) {
    const int frames = 1700;
    const RunTrace first = Play(frames);
    ASSERT_EQ(first.boss.size(), static_cast<size_t>(frames));

    // The trigger starts the conversation; the boss follows when it ends.
    size_t talk = 0;
    while (talk < first.event.size() && first.event[talk].empty()) {
        ASSERT_TRUE(first.boss[talk].empty());
        ++talk;
    }
    ASSERT_LT(talk, first.event.size()) << "no conversation";
    EXPECT_NE(first.event[talk].find("\"running\":true"), std::string::npos);
    size_t fight = talk;
    while (fight < first.boss.size() && first.boss[fight].empty()) {
        ASSERT_FALSE(first.event[fight].empty()) << "a gap before the boss at " << fight;
        ++fight;
    }
    ASSERT_LT(fight, first.boss.size()) << "no boss";
    EXPECT_LT(fight - talk, 600u) << "the held button hurried the conversation";
    EXPECT_EQ(first.boss[fight], "{\"kind\":\"FesbioBrain\",\"hp\":70,\"state\":0}");

    // The fight, without a miss, down to the brain's death.
    size_t death = fight;
    while (death < first.boss.size() && !first.boss[death].empty()) {
        ASSERT_TRUE(first.event[death].empty());
        ASSERT_EQ(first.scene[death], "TrialBossScene") << "frame " << death + 1;
        ++death;
    }
    ASSERT_LT(death, first.boss.size()) << "the brain survived: " << first.boss.back();
    EXPECT_EQ(HitPoints(first.boss[death - 1]), 0);
    const int before = first.score[death - 2];

    // The goal it leaves clears the stage with the bonus, and the course goes on.
    size_t clear = death;
    while (clear < first.clearState.size() && first.clearState[clear] <= 0) {
        ++clear;
    }
    ASSERT_LT(clear, first.clearState.size()) << "the stage was not cleared";
    size_t leave = clear;
    while (leave < first.scene.size() && first.scene[leave] == "TrialBossScene") {
        ++leave;
    }
    ASSERT_LT(leave, first.scene.size()) << "the stage did not hand over";
    EXPECT_GE(first.score[leave - 1], before + 3000 + 10000);
    const std::string next = IsSceneRegistered("TrialEndScene") ? "TrialEndScene" : "TitleScene";
    EXPECT_EQ(first.scene[leave], next);

    // The same keys again: the brain makes the same choices frame for frame.
    const RunTrace second = Play(static_cast<int>(death) + 10);
    ASSERT_EQ(second.boss.size(), death + 10);
    EXPECT_TRUE(std::equal(second.boss.begin(), second.boss.end(), first.boss.begin()));
}
