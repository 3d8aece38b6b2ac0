// Every stage class of both courses, created by its registered name: its
// values, its map, its music and where its clear leads. The expected values
// are written out here independently of the game's own table.
#include "BossStageSupport.h"

#include "app/SystemInfo.h"
#include "resource/CTexture.h"
#include "world/ViewMap.h"

#include <gtest/gtest.h>

namespace {

struct Expected {
    const char* name;
    int index;
    const char* display;
    const char* next;
    const char* backdrop;
    int progress;
    const char* map;
    const char* music; // "A+B" a pair, "A" one looping file, "" by the boss script
};

const Expected kCourse[] = {
    {"Stage0Scene", 0, "TestStage", "Stage1Scene", "bg1", 0, "test", "bgm1a+bgm1b"},
    {"Stage1_1Scene", 1, "Stage1-1", "Stage1_2Scene", "bg1", 11, "stage1_1", "bgm1a+bgm1b"},
    {"Stage1_2Scene", 2, "Stage1-2", "Stage1_3Scene", "bg2", 12, "stage1_2", "bgm2"},
    {"Stage1_3Scene", 3, "Stage1-3", "Stage1_4Scene", "bg3", 13, "stage1_3",
     "lonelybullet_a+lonelybullet_b"},
    {"Stage1_4Scene", 4, "Stage1-4", "Stage1bossScene", "bg4", 14, "stage1_4", "bgm3"},
    {"Stage1bossScene", 4, "", "Stage2_1Scene", "bg4", 15, "stage1_boss", ""},
    {"Stage2_1Scene", 5, "Stage2-1", "Stage2_2Scene", "bg1", 21, "stage2_1", "bgm1a+bgm1b"},
    {"Stage2_2Scene", 6, "Stage2-2", "Stage2_3Scene", "bg2", 22, "stage2_2", "bgm2"},
    {"Stage2_3Scene", 7, "Stage2-3", "Stage2_4Scene", "bg3", 23, "stage2_3",
     "lonelybullet_a+lonelybullet_b"},
    {"Stage2_4Scene", 8, "Stage2-4", "Stage2bossScene", "bg4", 24, "stage2_4", "bgm3"},
    {"Stage2bossScene", 8, "", "Stage3_1Scene", "bg4", 25, "stage2_boss", ""},
    {"Stage3_1Scene", 9, "Stage3-1", "Stage3_2Scene", "bg1", 31, "stage3_1", "bgm1a+bgm1b"},
    {"Stage3_2Scene", 10, "Stage3-2", "Stage3_3Scene", "bg2", 32, "stage3_2", "bgm2"},
    {"Stage3_3Scene", 11, "Stage3-3", "Stage3_4Scene", "bg3", 33, "stage3_3",
     "lonelybullet_a+lonelybullet_b"},
    {"Stage3_4Scene", 8, "Stage3-4", "Stage3bossScene", "bg4", 34, "stage3_4", "bgm3"},
    {"Stage3bossScene", 12, "", "Stage4_1Scene", "bg5", 35, "stage3_boss", ""},
    {"Stage4_1Scene", 13, "Stage4-1", "Stage4_2Scene", "bg1", 41, "stage4_1", "bgm1a+bgm1b"},
    {"Stage4_2Scene", 8, "Stage4-2", "Stage4_3Scene", "bg5", 42, "stage4_2",
     "lonelybullet_a+lonelybullet_b"},
    {"Stage4_3Scene", 8, "Stage4-3", "Stage5_1Scene", "bg4", 43, "stage4_3", "bgm3"},
    {"Stage5_1Scene", 13, "Stage5-1", "Stage5_2Scene", "bg5", 51, "stage5_1", "bgm1a+bgm1b"},
    {"Stage5_2Scene", 14, "Stage5-2", "Stage5_3Scene", "bg2", 52, "stage5_2", "bgm2"},
    {"Stage5_3Scene", 15, "Stage5-3", "Stage5_4Scene", "bg3", 53, "stage5_3",
     "lonelybullet_a+lonelybullet_b"},
    {"Stage5_4Scene", 16, "Stage5-4", "Stage5bossScene", "bg4", 54, "stage5_4", "bgm3"},
    {"Stage5bossScene", 16, "", "EndScene", "bg6", 55, "stage5_boss", ""},
    {"Trial1_1Scene", 6, "Trial-1", "Trial1_2Scene", "bg1", 22, "trial1_1", "bgm1a+bgm1b"},
    {"Trial1_2Scene", 6, "Trial-2", "Trial1_3Scene", "bg5", 22, "trial1_2",
     "lonelybullet_a+lonelybullet_b"},
    {"Trial1_3Scene", 6, "Trial-3", "TrialBossScene", "bg3", 22, "trial1_3",
     "lonelybullet_a+lonelybullet_b"},
    {"TrialBossScene", 4, "", "TrialEndScene", "bg4", 15, "trial_boss", ""},
};

std::vector<std::string> ExpectedMusic(const std::string& music) {
    if (music.empty()) {
        return {"Halt"}; // boss stages: silence until the fight
    }
    const auto plus = music.find('+');
    if (plus == std::string::npos) {
        return {"Open bgm/" + music + ".ogg 1", "Play"};
    }
    return {"OpenIntro bgm/" + music.substr(0, plus) + ".ogg bgm/" + music.substr(plus + 1) +
                ".ogg",
            "Play"};
}

class StageTable : public bosstest::BossStageFixture {};

} // namespace

TEST_F(StageTable, EveryStageClassCarriesItsValuesMapAndMusic) {
    ASSERT_EQ(std::size(kCourse), 28u);
    for (const Expected& e : kCourse) {
        SCOPED_TRACE(e.name);
        ASSERT_TRUE(IsSceneRegistered(e.name));
        const std::string mapFile = std::string("map/") + e.map + ".tm2";
        bosstest::WriteMap(scratch + "/" + mapFile, bosstest::Arena());
        music->calls.clear();
        app->playerRecord->NewGameReset(*app->gameState);

        std::shared_ptr<SceneBase> scene(CreateScene(e.name).release());
        auto* stage = dynamic_cast<StageScene*>(scene.get());
        ASSERT_NE(stage, nullptr);
        EXPECT_EQ(stage->stageIndex, e.index);
        EXPECT_EQ(app->gameState->currentWorld, e.index);
        EXPECT_EQ(stage->DisplayName(), e.display);
        EXPECT_EQ(stage->nextSceneName, e.next);
        EXPECT_EQ(stage->progressNumber, e.progress);
        CTexture* backdrop = stage->images->Get("Background");
        ASSERT_NE(backdrop, nullptr);
        EXPECT_EQ(backdrop->file, std::string("gfx/bg/") + e.backdrop + ".tga");

        app->scene = scene;
        scene->Start();
        EXPECT_FALSE(stage->loadFailed);
        ASSERT_NE(stage->map, nullptr);
        EXPECT_EQ(stage->map->width, 20) << "the stage reads " << mapFile;
        EXPECT_EQ(music->calls, ExpectedMusic(e.music));
        app->objects->Clear();
        app->scene.reset();
    }
}

TEST_F(StageTable, BossStagesLoadTheirBossSheetsIntoTheSceneStore) {
    const std::vector<std::vector<std::string>> sheets = {
        {"Stage1bossScene", "fesbio_brain", "fesbio_brain"},
        {"Stage2bossScene", "fesbio_brain", "fesbio_brain"},
        {"TrialBossScene", "fesbio_brain", "fesbio_brain"},
        {"Stage3bossScene", "FesbioSnake", "fesbio_snake"},
        {"Stage5bossScene", "Marfes", "marfes"},
        {"Stage5bossScene", "Marfes2", "marfes2"},
    };
    for (const auto& sheet : sheets) {
        SCOPED_TRACE(sheet[0] + " " + sheet[1]);
        auto scene = CreateScene(sheet[0]);
        CTexture* texture = scene->images->Get(sheet[1]);
        ASSERT_NE(texture, nullptr);
        EXPECT_EQ(texture->file, "gfx/enemy/" + sheet[2] + ".tga");
    }
}

TEST_F(StageTable, BothCoursesRunFromTheirFirstStageToTheirEnding) {
    auto follow = [](std::string name, const std::string& ending) {
        int stages = 0;
        while (name != ending && stages < 40) {
            auto scene = CreateScene(name);
            name = dynamic_cast<StageScene&>(*scene).nextSceneName;
            ++stages;
        }
        return name == ending ? stages : -1;
    };
    EXPECT_EQ(follow("Stage1_1Scene", "EndScene"), 23);
    EXPECT_EQ(follow("Trial1_1Scene", "TrialEndScene"), 4);
}

TEST_F(StageTable, AMissingMapReportsOpenErrorAndReturnsToTheTitle) {
    for (const char* name : {"Trial1_1Scene", "TrialBossScene"}) {
        SCOPED_TRACE(name);
        std::shared_ptr<SceneBase> scene(CreateScene(name).release());
        auto* stage = dynamic_cast<StageScene*>(scene.get());
        app->scene = scene;
        testing::internal::CaptureStderr();
        scene->Start();
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find(std::string("Open Error: ") + StageRowFor(name).mapFile),
                  std::string::npos)
            << said;
        EXPECT_TRUE(stage->loadFailed);
        EXPECT_EQ(app->player, nullptr);
        EXPECT_EQ(stage->Update(), "TitleScene");
        stage->Draw(); // draws nothing, and does not fail
        app->scene.reset();
    }
}
