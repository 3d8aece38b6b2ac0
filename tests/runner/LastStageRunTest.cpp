// The last stage played headless from its first conversation to the title:
// the runner with a key script, on an open arena written for the test into a
// game folder of its own (the game's pictures, sounds and music linked in),
// the heroine unhurtable so that the long fights need no dodging. The trace
// shows both forms of the last boss, the three conversations and the score;
// the rendered sound shows the last conversation in silence; the ending, the
// name entry and the ranking file close the run.
#include "../scene/stage/BossStageSupport.h"

#include "app/Runner.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <sstream>

namespace {

using bosstest::TraceField;

int Number(const std::string& text, const std::string& key) {
    const std::string value = TraceField(text, key);
    return value.empty() ? -1 : std::stoi(value);
}

struct Step {
    std::string scene;
    std::string boss;  // {kind, hp, state}, "" when none
    std::string event; // {running, commands}, "" when none
    std::string line;
    int score = -1;
    int clearState = -1;
    int bossX = -1; // x of the boss in the enemy list
};

class LastStageRun : public ::testing::Test {
protected:
    void SetUp() override {
        arena = std::make_unique<bosstest::ArenaFolder>("stage5_boss.tm2", bosstest::OpenArena());
        dir = arena->path;
        ASSERT_FALSE(dir.empty());
    }

    std::vector<Step> Play(int frames) {
        vrels::RunnerOptions options;
        options.dir = dir;
        options.scene = "Stage5bossScene";
        options.frames = frames;
        options.keysFile = std::string(VRELS_TEST_DATA_DIR) + "/stage/last_boss_fight.keys";
        options.traceFile = dir + "/trace.jsonl";
        options.audioOut = dir + "/sound.wav";
        options.unhurtable = true;
        EXPECT_EQ(vrels::RunHeadless(options), 0);
        std::vector<Step> steps(1); // steps[f] is frame step f
        std::ifstream in(options.traceFile);
        Step s;
        while (std::getline(in, s.line)) {
            s.scene = TraceField(s.line, "scene");
            s.boss = TraceField(s.line, "boss");
            s.event = TraceField(s.line, "event");
            s.score = Number(s.line, "score");
            s.clearState = Number(s.line, "clearState");
            s.bossX = -1;
            const size_t marfes = s.line.find("{\"kind\":\"Marfes");
            if (marfes != std::string::npos) {
                s.bossX = Number(s.line.substr(marfes), "x");
            }
            steps.push_back(s);
        }
        return steps;
    }

    // The loudest 16-bit sample of the rendered sound over frame steps
    // [from, to); 735 stereo sample frames a step at 44100 Hz.
    int Loudest(int from, int to) const {
        std::ifstream in(dir + "/sound.wav", std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        const std::string wav = bytes.str();
        const size_t data = wav.find("data");
        int loudest = -1;
        if (data == std::string::npos) {
            return loudest;
        }
        const size_t first = data + 8 + static_cast<size_t>(from) * 735 * 4;
        const size_t last = std::min(wav.size(), data + 8 + static_cast<size_t>(to) * 735 * 4);
        for (size_t i = first; i + 1 < last; i += 2) {
            const auto sample = static_cast<std::int16_t>(static_cast<std::uint16_t>(
                static_cast<unsigned char>(wav[i]) | static_cast<unsigned char>(wav[i + 1]) << 8));
            loudest = std::max(loudest, std::abs(static_cast<int>(sample)));
        }
        return loudest;
    }

    std::unique_ptr<bosstest::ArenaFolder> arena;
    std::string dir;
};

// The first frame step at or after `from` for which the test holds, or 0.
template <typename Test> size_t Find(const std::vector<Step>& t, size_t from, Test test) {
    for (size_t i = from; i < t.size(); ++i) {
        if (test(t[i])) {
            return i;
        }
    }
    return 0;
}

bool Is(const std::string& boss, const std::string& kind) {
    return TraceField(boss, "kind") == kind;
}

} // namespace

TEST_F(LastStageRun, BothFormsFallAndTheLastConversationLeadsToTheEndingAndTheRanking) {
    const auto t = Play(5950);
    ASSERT_EQ(t.size(), 5951u);

    // The first conversation, in silence, then the first form with the music.
    const size_t talk1 = Find(t, 1, [](const Step& s) { return !s.event.empty(); });
    ASSERT_GT(talk1, 0u) << "the trigger starts no conversation";
    EXPECT_NE(t[talk1].event.find("\"running\":true"), std::string::npos);
    const size_t first = Find(t, talk1, [](const Step& s) { return !s.boss.empty(); });
    ASSERT_GT(first, 0u);
    for (size_t i = talk1; i < first; ++i) {
        ASSERT_FALSE(t[i].event.empty()) << "a gap in the conversation at " << i;
    }
    EXPECT_EQ(t[first].boss, "{\"kind\":\"Marfes\",\"hp\":90,\"state\":0}");
    EXPECT_EQ(t[first - 1].score, 0);
    EXPECT_EQ(Loudest(talk1 + 60, static_cast<int>(first) - 5), 0) << "no music before the fight";
    EXPECT_GT(Loudest(static_cast<int>(first) + 10, static_cast<int>(first) + 200), 1000)
        << "the boss music";

    // The first form fights (it leaves its hover state) down to 0 hit points.
    const size_t fell1 = Find(t, first, [](const Step& s) { return s.boss.empty(); });
    ASSERT_GT(fell1, 0u) << "the first form survived";
    bool attacked = false;
    for (size_t i = first; i < fell1; ++i) {
        ASSERT_TRUE(Is(t[i].boss, "Marfes")) << i;
        ASSERT_TRUE(t[i].event.empty()) << i;
        ASSERT_EQ(t[i].scene, "Stage5bossScene") << "no miss, no restart: " << i;
        attacked = attacked || Number(t[i].boss, "state") != 0;
    }
    EXPECT_TRUE(attacked);
    EXPECT_LE(Number(t[fell1 - 1].boss, "hp"), 1);
    EXPECT_EQ(t[fell1].score, 5000);

    // The second conversation, then the second form at full strength. During
    // its 200-frame fade-in it stays where the first fell and in its hover
    // state, yet the bullets already hit it.
    ASSERT_FALSE(t[fell1].event.empty()) << "the second conversation";
    const size_t second = Find(t, fell1, [](const Step& s) { return !s.boss.empty(); });
    ASSERT_GT(second, 0u);
    for (size_t i = fell1; i < second; ++i) {
        ASSERT_FALSE(t[i].event.empty()) << "a gap in the second conversation at " << i;
    }
    EXPECT_EQ(t[second].boss, "{\"kind\":\"Marfes2\",\"hp\":150,\"state\":0}");
    ASSERT_LT(second + 200, t.size());
    for (size_t i = second; i < second + 199; ++i) {
        ASSERT_EQ(Number(t[i].boss, "state"), 0) << i;
        ASSERT_EQ(t[i].bossX, t[second].bossX) << i;
    }
    EXPECT_LT(Number(t[second + 199].boss, "hp"), 150) << "bullets hit it while it appears";
    EXPECT_GT(Loudest(static_cast<int>(second), static_cast<int>(second) + 200), 1000)
        << "the boss music plays on";

    // The second form falls: 10000 more, and the last conversation.
    const size_t fell2 = Find(t, second, [](const Step& s) { return s.boss.empty(); });
    ASSERT_GT(fell2, 0u) << "the second form survived: " << t.back().boss;
    for (size_t i = second; i < fell2; ++i) {
        ASSERT_TRUE(Is(t[i].boss, "Marfes2")) << i;
        ASSERT_EQ(t[i].scene, "Stage5bossScene") << i;
    }
    EXPECT_EQ(t[fell2].score, 15000);
    ASSERT_FALSE(t[fell2].event.empty()) << "the last conversation";
    // The fall is the stage's goal: she can no longer miss, and the attempt
    // so far is kept as the stage's replay (one byte for each frame she was
    // in control, so fewer than the frames with the conversations).
    EXPECT_EQ(TraceField(t[fell2].line, "goalReached"), "true");
    EXPECT_EQ(TraceField(t[fell2 - 1].line, "goalReached"), "false");
    std::ifstream replay(dir + "/replay/55.rec", std::ios::binary);
    const std::string recorded((std::istreambuf_iterator<char>(replay)),
                               std::istreambuf_iterator<char>());
    EXPECT_GT(recorded.size(), fell1 - talk1);
    EXPECT_LT(recorded.size(), fell2);

    // It ends in the ending scene, without the clear sequence or its bonus.
    const size_t ending = Find(t, fell2, [](const Step& s) { return s.scene == "EndScene"; });
    ASSERT_GT(ending, 0u);
    for (size_t i = fell2; i < ending; ++i) {
        ASSERT_EQ(t[i].scene, "Stage5bossScene");
        ASSERT_EQ(t[i].clearState, 0) << i;
        ASSERT_EQ(t[i].score, 15000) << i;
        ASSERT_TRUE(t[i].boss.empty()) << i;
    }
    const size_t talked = Find(t, fell2, [](const Step& s) { return s.event.empty(); });
    ASSERT_GT(talked, fell2 + 100u);
    // The last conversation in silence once the dying boss's sound is over.
    // (When it ends, the world runs on under the fade to the ending: the
    // cases of the last shots land and clink.)
    EXPECT_EQ(Loudest(static_cast<int>(talked) - 300, static_cast<int>(talked) - 1), 0);
    EXPECT_GT(Loudest(static_cast<int>(ending) + 10, static_cast<int>(ending) + 100), 0)
        << "the ending music";

    // The ending ignores nothing after its first 420 frames: a press fades it
    // to the name entry, since 15000 ranks first; then the title.
    const size_t entry = Find(t, ending, [](const Step& s) { return s.scene == "NameEntryScene"; });
    ASSERT_GT(entry, ending + 420u);
    EXPECT_EQ(TraceField(t[5700].line, "name"), "AAA");
    EXPECT_NE(t[5700].line.find("\"ranking\":[{\"score\":15000,\"name\":\"AAA\",\"difficulty\":1},"
                                "{\"score\":10000,"),
              std::string::npos)
        << t[5700].line;
    EXPECT_EQ(t[5899].scene, "NameEntryScene");
    EXPECT_EQ(t[5901].scene, "TitleScene");
    std::ifstream file(dir + "/score.ini");
    std::string top;
    std::getline(file, top);
    EXPECT_EQ(top, "15000,AAA,1");
}
