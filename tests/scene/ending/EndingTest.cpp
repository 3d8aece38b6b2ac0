// The two endings: how long they hold, when presses count, where they lead.
#include "../gameover/SceneTestSupport.h"

#include "app/Ranking.h"
#include "scene/ending/EndScene.h"
#include "scene/ending/TrialEndScene.h"

using scenetest::SceneFixture;

using Ending = SceneFixture;

TEST_F(Ending, TheEndingIgnoresPressesFor420FramesThenFadesOutOnTheFirst) {
    app->gameState->ranking = vrels::DefaultRanking();
    EndScene scene;
    int frame = 0;
    while (frame < 420) {
        // A press every other frame: none of them counts yet.
        EXPECT_EQ(frame % 2 == 0 ? Step(scene, {dik::RETURN}) : Step(scene), "");
        ++frame;
    }
    EXPECT_FALSE(scene.leaving);
    EXPECT_EQ(Step(scene, {dik::Z}), "");
    EXPECT_TRUE(scene.leaving) << "frame 421 takes the press";
    EXPECT_FLOAT_EQ(scene.creditY, 480.0f - 0.5f * 421);
    std::string next;
    int fade = 0;
    while (next.empty() && fade < 200) {
        next = Step(scene);
        ++fade;
    }
    EXPECT_EQ(next, "TitleScene") << "a fresh record does not rank";
    EXPECT_GE(fade, 99);
    EXPECT_LE(fade, 101);
}

TEST_F(Ending, TheRollStopsAtItsLimitsWithoutAPress) {
    EndScene scene;
    for (int i = 0; i < 6000; ++i) {
        ASSERT_EQ(Step(scene), "");
    }
    EXPECT_FLOAT_EQ(scene.creditY, -1920.0f);
    EXPECT_FLOAT_EQ(scene.pictureY, 480.0f);
    EXPECT_FLOAT_EQ(scene.backdropX, -640.0f);
    EXPECT_TRUE(scene.fadedIn);
    EXPECT_LT(scene.backdropAlpha, 1.0f) << "the backdrop fades once it has drifted past -540";
}

TEST_F(Ending, AClearedCourseWithARankingScoreGoesToTheNameEntry) {
    app->gameState->ranking = vrels::DefaultRanking();
    app->playerRecord->score = 123456;
    TrialEndScene scene;
    EXPECT_EQ(app->playerRecord->rankedScore, 123456);
    EXPECT_EQ(Press(scene), "NameEntryScene");
}

TEST_F(Ending, TheTrialPictureLeavesAtExactly300Frames) {
    TrialEndScene scene;
    for (int i = 1; i < TrialEndScene::ShowFrames; ++i) {
        ASSERT_EQ(Step(scene), "") << i;
    }
    EXPECT_EQ(Step(scene), "TitleScene");

    TrialEndScene pressed;
    Step(pressed);
    EXPECT_EQ(Step(pressed, {dik::RETURN}), "TitleScene");
}

TEST_F(Ending, TheRollKeepsItsScheduleFrameByFrame) {
    // The backdrop is fully in after 200 frames; the credits and the picture
    // reach their ends after 4800; the backdrop drifts past -540 after 4320
    // and only then fades, and stops at -640 after 5120.
    EndScene scene;
    int fadedIn = 0;
    int rollStopped = 0;
    int backdropFading = 0;
    int backdropStopped = 0;
    float alphaAt4500 = 0;
    for (int frame = 1; frame <= 5200; ++frame) {
        const float alphaBefore = scene.backdropAlpha;
        ASSERT_EQ(Step(scene), "");
        if (!fadedIn && scene.fadedIn) {
            fadedIn = frame;
        }
        if (!rollStopped && scene.creditY == -1920.0f) {
            rollStopped = frame;
            EXPECT_EQ(scene.pictureY, 480.0f) << "the picture arrives with the last credit";
        }
        if (fadedIn && fadedIn < frame && !backdropFading && scene.backdropAlpha < alphaBefore) {
            backdropFading = frame;
        }
        if (!backdropStopped && scene.backdropX == -640.0f) {
            backdropStopped = frame;
        }
        if (frame == 4500) {
            alphaAt4500 = scene.backdropAlpha;
        }
        if (frame == 100) {
            EXPECT_NEAR(scene.backdropAlpha, 0.5f, 1e-3) << "half in after 100 frames";
            EXPECT_EQ(scene.creditY, 430.0f);
            EXPECT_EQ(scene.pictureY, -1870.0f);
            EXPECT_EQ(scene.backdropX, -12.5f);
        }
    }
    EXPECT_NEAR(fadedIn, 200, 1);
    EXPECT_EQ(rollStopped, 4800);
    EXPECT_NEAR(backdropFading, 4321, 1) << "the first frame after passing -540";
    EXPECT_EQ(backdropStopped, 5120);
    EXPECT_NEAR(alphaAt4500, 1.0f - 0.002f * static_cast<float>(4500 - backdropFading + 1), 0.01f)
        << "0.002 a frame";
    EXPECT_EQ(scene.backdropAlpha, 0.0f) << "gone 500 frames later";
}
