// The stage select, the music mode and the title's ways into them and into
// the attract demo.
#include "../gameover/SceneTestSupport.h"

#include "app/SystemInfo.h"
#include "scene/select/MusicModeScene.h"
#include "scene/select/StageNames.h"
#include "scene/select/StageSelectScene.h"
#include "scene/title/TitleScene.h"
#include "ui/SelectManager.h"

#include <fstream>
#include <map>
#include <sys/stat.h>
#include <vector>

using scenetest::SceneFixture;

namespace {

std::vector<std::string> Texts(const SelectManager& menu) {
    std::vector<std::string> texts;
    for (const auto& item : menu.items) {
        texts.push_back(item->text);
    }
    return texts;
}

// Music calls as the scene makes them.
class RecordingMusic : public IOggStream {
public:
    void Play() override { calls.push_back("Play"); }
    void Halt() override { calls.push_back("Halt"); }
    void Open(const std::string& file, unsigned char loop) override {
        calls.push_back("Open " + file + " " + std::to_string(loop));
    }
    void OpenIntro(const std::string& intro, const std::string& loop) override {
        calls.push_back("OpenIntro " + intro + " " + loop);
    }
    std::vector<std::string> calls;
};

class Menus : public SceneFixture {
protected:
    // Holds down until the selection has moved n lines (16 frames a line).
    void MoveDown(SceneBase& scene, int lines) {
        for (int i = 0; i < 16 * lines; ++i) {
            Step(scene, {dik::DOWN});
        }
        Step(scene);
    }
};

} // namespace

TEST(StageNames, EveryStageNameLeadsToItsScene) {
    EXPECT_EQ(vrels::SceneForStageName("STAGE 1-1"), "Stage1_1Scene");
    EXPECT_EQ(vrels::SceneForStageName("STAGE 3-4"), "Stage3_4Scene");
    EXPECT_EQ(vrels::SceneForStageName("STAGE 2 boss"), "Stage2bossScene");
    EXPECT_EQ(vrels::SceneForStageName("STAGE 5 boss"), "Stage5bossScene");
    EXPECT_EQ(vrels::SceneForStageName("STAGE 4 boss"), "");
    EXPECT_EQ(vrels::SceneForStageName("TEST STAGE"), "Stage0Scene");
    EXPECT_EQ(vrels::SceneForStageName("Ending"), "EndScene");
    EXPECT_EQ(vrels::SceneForStageName("EXIT"), "");
    EXPECT_EQ(vrels::WorldOfStageName("STAGE 4-2"), 4);
    EXPECT_EQ(vrels::WorldOfStageName("TEST STAGE"), 0);
    // Every stage of the course has a scene.
    SystemInfo_t state;
    for (const auto& [name, number] : state.stageNumbers) {
        EXPECT_FALSE(vrels::SceneForStageName(name).empty()) << name;
    }
}

TEST(AttractDemo, EveryDrawPicksAStageAndTheFirstComesUpNineTimesIn23) {
    SystemInfo_t state;
    std::map<std::string, int> counts;
    for (int r = 0; r < TitleScene::DemoDrawRange; ++r) {
        ++counts[TitleScene::DemoStageName(r, state)];
    }
    EXPECT_EQ(counts.size(), 15u);
    EXPECT_EQ(counts["STAGE 1 boss"], 9);
    for (const char* name :
         {"STAGE 1-1", "STAGE 1-4", "STAGE 2 boss", "STAGE 2-1", "STAGE 3 boss", "STAGE 3-4"}) {
        EXPECT_EQ(counts[name], 1) << name;
    }
    EXPECT_EQ(TitleScene::DemoStageName(8, state), "STAGE 1 boss");
    EXPECT_EQ(TitleScene::DemoStageName(9, state), "STAGE 1-1");
    EXPECT_EQ(TitleScene::DemoStageName(22, state), "STAGE 3-4");
    EXPECT_EQ(TitleScene::DemoStageName(23 + 9, state), "STAGE 1-1") << "rand() modulo 23";
}

TEST_F(Menus, TheStageSelectListsTheStagesReached) {
    app->gameState->lastStage = 11;
    {
        StageSelectScene scene;
        EXPECT_EQ(Texts(scene.Menu()), (std::vector<std::string>{"STAGE 1-1", "EXIT"}));
        EXPECT_EQ(scene.Menu().items[1]->y, 435.0f) << "EXIT keeps its own line";
    }
    app->gameState->lastStage = 22;
    {
        StageSelectScene scene;
        EXPECT_EQ(Texts(scene.Menu()),
                  (std::vector<std::string>{"STAGE 1-1", "STAGE 1-2", "STAGE 1-3", "STAGE 1-4",
                                            "STAGE 1 boss", "STAGE 2-1", "STAGE 2-2", "EXIT"}));
        EXPECT_EQ(scene.Menu().items[4]->y, 135.0f);
    }
    app->gameState->lastStage = 55;
    {
        StageSelectScene scene;
        const auto texts = Texts(scene.Menu());
        ASSERT_EQ(texts.size(), 24u);
        EXPECT_EQ(texts[17], "STAGE 4-3");
        EXPECT_EQ(texts[18], "STAGE 5-1") << "world 4 has no boss";
        EXPECT_EQ(texts[22], "STAGE 5 boss");
        EXPECT_EQ(scene.Menu().items[22]->y, 405.0f);
    }
}

TEST_F(Menus, TheStageSelectStartsAStageWithAFreshRecordOrLeaves) {
    scenetest::RegisterStandIn("Stage1_2Scene");
    app->gameState->lastStage = 13;
    app->gameState->rest = 4;
    app->playerRecord->score = 777;
    StageSelectScene scene;
    MoveDown(scene, 1);
    EXPECT_EQ(scene.Menu().GetSelected(), "STAGE 1-2");
    EXPECT_EQ(Press(scene), "Stage1_2Scene");
    EXPECT_EQ(app->playerRecord->score, 0);
    EXPECT_EQ(app->playerRecord->lives, 3);
    EXPECT_EQ(app->gameState->currentWorld, 1);

    StageSelectScene exit;
    MoveDown(exit, 3);
    EXPECT_EQ(exit.Menu().GetSelected(), "EXIT");
    EXPECT_EQ(Press(exit), "TitleScene");
}

TEST_F(Menus, TheMusicModePlaysEachPieceAndSurvivesAMissingFile) {
    auto music = std::make_shared<RecordingMusic>();
    app->music = music;
    mkdir("bgm", 0755);
    for (const char* file : {"bgm/selecta.ogg", "bgm/selectb.ogg", "bgm/boss1.ogg"}) {
        std::ofstream(file, std::ios::binary) << "OggS and the rest";
    }
    MusicModeScene scene;
    EXPECT_EQ(scene.Menu().items.size(), 10u);
    EXPECT_EQ(scene.Menu().items[9]->y, 350.0f);

    Press(scene);
    EXPECT_EQ(scene.Playing(), "Summon");
    EXPECT_EQ(music->calls,
              (std::vector<std::string>{"OpenIntro bgm/selecta.ogg bgm/selectb.ogg", "Play"}));

    MoveDown(scene, 1);
    music->calls.clear();
    Press(scene);
    EXPECT_EQ(scene.Playing(), "") << "bgm/stage1a.ogg is missing";
    EXPECT_EQ(music->calls, (std::vector<std::string>{"Halt"}));

    MoveDown(scene, 1);
    music->calls.clear();
    Press(scene);
    EXPECT_EQ(scene.Playing(), "Lunatic Party");
    EXPECT_EQ(music->calls, (std::vector<std::string>{"Open bgm/boss1.ogg 1", "Play"}));

    MoveDown(scene, 7);
    EXPECT_EQ(scene.Menu().GetSelected(), "exit");
    EXPECT_EQ(Press(scene), "TitleScene");
    for (const char* file : {"bgm/selecta.ogg", "bgm/selectb.ogg", "bgm/boss1.ogg"}) {
        std::remove(file);
    }
    rmdir("bgm");
}

TEST_F(Menus, TheTitleMenuFallsBackAfter1800IdleFramesAndTheDemoStartsAfter600) {
    for (const char* stage :
         {"Stage1bossScene", "Stage1_1Scene", "Stage1_2Scene", "Stage1_3Scene", "Stage1_4Scene",
          "Stage2bossScene", "Stage2_1Scene", "Stage2_2Scene", "Stage2_3Scene", "Stage2_4Scene",
          "Stage3bossScene", "Stage3_1Scene", "Stage3_2Scene", "Stage3_3Scene", "Stage3_4Scene"}) {
        scenetest::RegisterStandIn(stage);
    }
    TitleScene title;
    for (int i = 0; i < 20 && title.Phase() != "select"; ++i) {
        Press(title);
    }
    ASSERT_EQ(title.Phase(), "select");
    EXPECT_EQ(title.menu.lock()->items.size(), 5u);
    EXPECT_EQ(title.menu.lock()->GetSelected(), "Arcade Mode");

    // Confirming "Stage Select" would leave; here only the idle limit counts,
    // and a confirm that leads nowhere does not reset it.
    int frames = 0;
    while (title.Phase() == "select" && frames < 3000) {
        Step(title);
        ++frames;
    }
    EXPECT_EQ(frames, 1801) << "the menu falls back once 1800 frames passed without a move";
    EXPECT_EQ(title.idleCount, 0);

    std::string demo;
    frames = 0;
    while (demo.empty() && frames < 1000) {
        demo = Step(title);
        ++frames;
    }
    EXPECT_EQ(frames, 601) << "600 frames of PRESS START BUTTON, then the demo";
    EXPECT_EQ(demo.rfind("Stage", 0), 0u) << demo;
    EXPECT_TRUE(app->gameState->demo);
    EXPECT_EQ(app->playerRecord->lives, 99) << "the demo plays with 99 lives";
}

TEST_F(Menus, TheTitleMenuReachesTheStageSelectTheMusicModeAndTheOptions) {
    TitleScene title;
    for (int i = 0; i < 20 && title.Phase() != "select"; ++i) {
        Press(title);
    }
    ASSERT_EQ(title.Phase(), "select");
    MoveDown(title, 1);
    EXPECT_EQ(Press(title), "StageSelectScene");
    MoveDown(title, 1);
    EXPECT_EQ(title.menu.lock()->GetSelected(), "Music Mode");
    EXPECT_EQ(Press(title), "MusicModeScene");
    MoveDown(title, 1);
    EXPECT_EQ(title.menu.lock()->GetSelected(), "Options");
    EXPECT_EQ(Press(title), "OptionsScene");
    MoveDown(title, 1);
    EXPECT_EQ(title.menu.lock()->GetSelected(), "Quit");
}
