// A boss stage played headless through the runner with a key script, on a
// bunker arena written for the test into a game folder of its own (the
// game's pictures and sounds linked in): the conversation shows in the trace
// as "event", the fight as "boss", and two runs with the same keys repeat
// every choice of the boss exactly.
#include "BossStageSupport.h"

#include "app/Runner.h"

#include <fstream>
#include <gtest/gtest.h>

namespace {

// The heroine in a roofed bunker with a slot in its right wall, too low for
// the brain to pass; magazines along the floor, the trigger at column 4.
const std::vector<std::string>& Bunker() {
    static const std::vector<std::string> rows = {
        "#########...........", "#########...........", "#########...........",
        "#########...........", "#########...........", "#########...........",
        "#########...........", "#.......#...........", "#.......#...........",
        "#mmmmmmm............", "#mSgEmm.............", "#########......B....",
        "####################", "####################", "####################",
    };
    return rows;
}

std::string Field(const std::string& line, const std::string& key) {
    const size_t at = line.find("\"" + key + "\":");
    if (at == std::string::npos) {
        return "";
    }
    const size_t start = at + key.size() + 3;
    if (line[start] == '{') {
        return line.substr(start, line.find('}', start) - start + 1);
    }
    return line.substr(start, line.find_first_of(",}", start) - start);
}

struct RunTrace {
    std::vector<std::string> boss;  // the "boss" object of each frame, "" when none
    std::vector<std::string> event; // the "event" object of each frame, "" when none
    std::vector<std::string> scene;
};

class BossRun : public ::testing::Test {
protected:
    void SetUp() override {
        char folder[] = "/tmp/vrels-boss-run-XXXXXX";
        ASSERT_NE(mkdtemp(folder), nullptr);
        dir = folder;
        for (const char* sub : {"gfx", "se", "bgm", "adv"}) {
            std::filesystem::create_directory_symlink(std::string(VRELS_GAME_DIR) + "/" + sub,
                                                      dir + "/" + sub);
        }
        bosstest::WriteMap(dir + "/map/trial_boss.tm2", Bunker());
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
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
            run.boss.push_back(Field(line, "boss"));
            run.event.push_back(Field(line, "event"));
            run.scene.push_back(Field(line, "scene"));
        }
        return run;
    }

    std::string dir;
};

int HitPoints(const std::string& boss) {
    const std::string hp = Field(boss, "hp");
    return hp.empty() ? -1 : std::stoi(hp);
}

} // namespace

TEST_F(BossRun, TheConversationThenTheFightAndTheSameChoicesEveryRun) {
    const int frames = 1000;
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
    EXPECT_EQ(HitPoints(first.boss.back()) < 70, true) << "shots through the slot hit it";
    for (size_t f = fight; f < first.boss.size(); ++f) {
        ASSERT_TRUE(first.event[f].empty());
        ASSERT_EQ(first.scene[f], "\"TrialBossScene\"");
    }

    const RunTrace second = Play(frames);
    EXPECT_EQ(first.boss, second.boss) << "the same keys, the same attacks";
}
