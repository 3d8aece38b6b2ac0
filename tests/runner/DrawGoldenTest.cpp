// What the player sees, draw by draw: every draw of a handful of frames, as
// the headless runner lists them, against the listings in tests/data/draws.
// The title menu, a stage's opening fade, a busy stage frame, each boss in
// the middle of an attack, a conversation, the name entry, the ranking and
// the ending roll. After an intended change to any of them,
// scripts/update-draw-goldens.sh rewrites the listings (docs/draw-goldens.md).
#include "../scene/stage/BossStageSupport.h"
#include "../scene/stage/StageRunSupport.h"
#include "DrawGoldens.h"

#include <fstream>
#include <gtest/gtest.h>

using drawgolden::CheckGoldenFrames;

namespace {

vrels::RunnerOptions RunIn(const std::string& dir, const std::string& scene, int frames,
                           const std::string& keysFile) {
    vrels::RunnerOptions options;
    options.dir = dir;
    options.scene = scene;
    options.frames = frames;
    options.keysFile = keysFile;
    return options;
}

std::string StageKeys(const std::string& name) {
    return std::string(VRELS_TEST_DATA_DIR) + "/stages/" + name + ".keys";
}

std::string FightKeys(const std::string& name) {
    return std::string(VRELS_TEST_DATA_DIR) + "/stage/" + name + ".keys";
}

// The serpent's arena: two screens wide, the trigger in the middle, the boss
// marker over the right half where it swims (from map x 800 to the last
// column).
const std::vector<std::string>& SerpentArena() {
    static const std::vector<std::string> rows = [] {
        std::vector<std::string> r(15, std::string(40, '.'));
        r[11] = "#S.mmmmmmmmm..........E................#";
        r[10] = "#......................................#";
        r[7][30] = 'B';
        for (int row = 12; row < 15; ++row) {
            r[row] = std::string(40, '#');
        }
        return r;
    }();
    return rows;
}

} // namespace

TEST(DrawGoldens, TitleMenu) {
    stagerun::ScratchGameFolder folder;
    ASSERT_FALSE(folder.path.empty());
    const std::string keys = folder.path + "/title.keys";
    std::ofstream(keys) << "5 RETURN\n6\n10 RETURN\n11\n15 RETURN\n16\n20 RETURN\n21\n";
    CheckGoldenFrames(RunIn(folder.path, "TitleScene", 40, keys),
                      {{"title_menu", 40, {"TitleBase", "TitleLogo"}}});
}

TEST(DrawGoldens, StageOpeningFadeAndABusyFrame) {
    stagerun::ScratchGameFolder folder;
    ASSERT_FALSE(folder.path.empty());
    CheckGoldenFrames(RunIn(folder.path, "Trial1_1Scene", 360, StageKeys("trial1_1")),
                      {{"stage_opening_fade", 60, {"Black", "gfx/frame/skarov_gauge.tga"}},
                       {"stage_busy", 360, {"Brain", "Itemget"}}});
}

TEST(DrawGoldens, TheBrainThrowingFireballs) {
    bosstest::ArenaFolder arena("trial_boss.tm2", bosstest::Bunker());
    ASSERT_FALSE(arena.path.empty());
    CheckGoldenFrames(RunIn(arena.path, "TrialBossScene", 470, FightKeys("trial_boss_fight")),
                      {{"boss_brain", 470, {"fesbio_brain"}}});
}

TEST(DrawGoldens, TheSerpentFanningFireballs) {
    bosstest::ArenaFolder arena("stage3_boss.tm2", SerpentArena());
    ASSERT_FALSE(arena.path.empty());
    const std::string keys = arena.path + "/serpent.keys";
    std::ofstream(keys) << "40 RIGHT\n194\n200 Z\n";
    auto options = RunIn(arena.path, "Stage3bossScene", 920, keys);
    options.unhurtable = true;
    CheckGoldenFrames(options, {{"boss_serpent", 920, {"FesbioSnake"}}});
}

TEST(DrawGoldens, TheLastStageFromConversationToRanking) {
    bosstest::ArenaFolder arena("stage5_boss.tm2", bosstest::OpenArena());
    ASSERT_FALSE(arena.path.empty());
    auto options = RunIn(arena.path, "Stage5bossScene", 5800, FightKeys("last_boss_fight"));
    options.unhurtable = true;
    CheckGoldenFrames(options, {
                                   {"conversation", 300, {"Black", "adv/d07.tga"}},
                                   {"boss_first_form", 1495, {"Marfes"}},
                                   {"boss_second_form", 3885, {"Marfes2"}},
                                   {"ending_roll", 5350, {"Bg", "Credit", "Senga"}},
                                   {"name_entry", 5646, {"NormalFont"}},
                                   {"ranking", 5800, {"RankingHeading", "RankingDigits"}},
                               });
}
