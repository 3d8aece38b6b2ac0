#include "WorldFixture.h"

#include "world/Effects.h"

#include <functional>
#include <memory>

using namespace worldtest;

namespace {

using WorldEffects = WorldFixture;

TEST_F(WorldEffects, EachEffectLivesItsNumberOfUpdates) {
    const struct {
        const char* name;
        std::function<std::unique_ptr<ObjectBase>()> make;
        int removedOnUpdate;
    } cases[] = {
        {"HitWall", [] { return std::make_unique<HitWall>(10, 10); }, 30},
        {"ItemgetEffect", [] { return std::make_unique<ItemgetEffect>(10, 10); }, 34},
        {"Blood", [] { return std::make_unique<Blood>(10, 10, 1.0f); }, 61},
        {"Bomb", [] { return std::make_unique<Bomb>(10, 10, 2.0f); }, 61},
        {"Dust", [] { return std::make_unique<Dust>(false, 10, 10); }, 23},
        {"EffectHit", [] { return std::make_unique<EffectHit>(10, 10); }, 15},
        {"GoalEffect", [] { return std::make_unique<GoalEffect>(10, 10); }, 35},
        {"Spark", [] { return std::make_unique<Spark>(10, 10, 1, 0); }, 95},
        // Steps of 0.01 in single precision leave a trace above 0 after 100.
        {"ScoreEffect", [] { return std::make_unique<ScoreEffect>(10, 10, "100"); }, 101},
    };
    for (const auto& c : cases) {
        auto effect = c.make();
        EXPECT_EQ(UpdatesUntilRemoved(*effect, 500), c.removedOnUpdate) << c.name;
    }
}

TEST_F(WorldEffects, LayersAndLevelsKeepTextsRunningWhileTheWorldStands) {
    EXPECT_EQ(ScoreEffect(0, 0, "1").level, 100);
    EXPECT_EQ(GoalEffect(0, 0).level, 100);
    EXPECT_EQ(Fadeout().level, 100);
    EXPECT_EQ(Fadeout().priority, -300);
    EXPECT_EQ(HitWall(0, 0).level, 255);
    EXPECT_EQ(Spark(0, 0, 0, 0).priority, 500);
}

TEST_F(WorldEffects, EffectHitShowsFiveFramesOfThreeUpdates) {
    EffectHit hit(0, 0);
    std::vector<int> frames;
    while (!hit.removed) {
        frames.push_back(hit.frame);
        hit.Update();
    }
    const std::vector<int> expected = {0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4};
    EXPECT_EQ(frames, expected);
}

TEST_F(WorldEffects, FadeoutTurnsBlackAndStays) {
    auto* fade = app->objects->Add(new Fadeout()).get();
    int updates = 0;
    while (!fade->done && updates < 100) {
        fade->Update();
        ++updates;
    }
    // Fifty steps of 0.02 fall just short of 1 in single precision.
    EXPECT_EQ(updates, 51);
    fade->Update();
    EXPECT_FALSE(fade->removed) << "it stays until the scene is left or rebuilt";
    DeclareImage("gfx/black.tga", 640, 480);
    auto black = std::make_shared<CTexture>();
    black->Load("Black", "gfx/black.tga", false);
    recorder->ClearDraws();
    app->objects->DrawAll();
    ASSERT_EQ(recorder->Draws().size(), 1u);
    EXPECT_EQ(recorder->Draws()[0].alpha, 255);
}

TEST_F(WorldEffects, ScoreTextIsCentredAboveItsPointAndRises) {
    ScoreEffect text(100, 200, "100");
    EXPECT_FLOAT_EQ(text.x, 76.0f);
    EXPECT_FLOAT_EQ(text.y, 184.0f);
    text.Update();
    EXPECT_FLOAT_EQ(text.y, 183.0f);
    EXPECT_FLOAT_EQ(text.alpha, 0.99f);
}

TEST_F(WorldEffects, DustDriftsAwayBehindTheJumper) {
    Dust left(true, 100, 200);
    EXPECT_FLOAT_EQ(left.x, 105.0f);
    EXPECT_FLOAT_EQ(left.y, 205.0f);
    left.Update();
    EXPECT_FLOAT_EQ(left.x, 105.5f);
    EXPECT_FLOAT_EQ(left.y, 204.0f);
    Dust right(false, 100, 200);
    right.Update();
    EXPECT_FLOAT_EQ(right.x, 94.5f);
}

TEST_F(WorldEffects, SparksIgnoreScrollingButOtherEffectsFollowIt) {
    auto* spark = app->objects->Add(Spark::Directed(100, 100, 0.0f, 2.0f).release()).get();
    auto* wall = app->objects->Add(new HitWall(100, 100)).get();
    app->objects->ShiftAll(-50, 0);
    EXPECT_FLOAT_EQ(spark->x, 100.0f);
    EXPECT_FLOAT_EQ(wall->x, 50.0f);
    spark->Update();
    EXPECT_FLOAT_EQ(spark->x, 102.0f);
    EXPECT_NEAR(spark->y, 100.0f, 1e-5);
    EXPECT_GE(wall->angle, 0.0f);
    EXPECT_LE(wall->angle, 6.27f);
}

} // namespace
