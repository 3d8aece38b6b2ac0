// The game over: its timing, and where a run goes from there.
#include "SceneTestSupport.h"

#include "app/Ranking.h"
#include "scene/gameover/GameoverScene.h"

namespace {

class Gameover : public scenetest::SceneFixture {
protected:
    // Steps until the scene names its successor; frames counts the steps.
    std::string RunOut(SceneBase& scene, int* frames) {
        std::string next;
        *frames = 0;
        while (next.empty() && *frames < 2000) {
            next = Step(scene);
            ++*frames;
        }
        return next;
    }
};

} // namespace

TEST_F(Gameover, FadesInWaitsFadesOutAndRanksOnlyAScoreAboveTheTenthPlace) {
    app->gameState->ranking = vrels::DefaultRanking();
    app->playerRecord->score = 1000;
    GameoverScene equal;
    EXPECT_EQ(app->playerRecord->rankedScore, 1000) << "the run ends here";
    int frames = 0;
    EXPECT_EQ(RunOut(equal, &frames), "TitleScene");
    // 331 frames in, then 1.0 falls by 0.01 until it is below 0.
    EXPECT_GE(frames, 331 + 100);
    EXPECT_LE(frames, 331 + 102);

    app->playerRecord->score = 1001;
    GameoverScene ranked;
    EXPECT_EQ(RunOut(ranked, &frames), "NameEntryScene");
}

TEST_F(Gameover, APressStartsTheFadeOutEarly) {
    GameoverScene scene;
    for (int i = 0; i < 10; ++i) {
        Step(scene);
    }
    EXPECT_FALSE(scene.leaving);
    Press(scene);
    EXPECT_TRUE(scene.leaving);
    EXPECT_LT(scene.alpha, 0.12f);
}
