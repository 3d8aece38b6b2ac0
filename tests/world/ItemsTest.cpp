#include "WorldFixture.h"

#include "app/PlayerInfomation.h"
#include "player/Skarov.h"
#include "resource/CTexture.h"
#include "world/effects/GoalEffect.h"
#include "world/effects/ItemgetEffect.h"
#include "world/effects/ScoreEffect.h"
#include "world/items/Coin.h"
#include "world/items/Event.h"
#include "world/items/Goal.h"
#include "world/items/Magazine.h"
#include "world/items/Midpoint.h"
#include "world/items/Oneup.h"

#include <cmath>

using namespace worldtest;

namespace {

class WorldItems : public WorldFixture {
protected:
    template <typename T> T& Place(float x, float y) {
        auto* item = app->objects->Add(new T()).get();
        item->SetPosition(x, y);
        return *item;
    }

    std::vector<std::string> ScoreTexts() const {
        std::vector<std::string> texts;
        for (const auto* effect : All<ScoreEffect>()) {
            texts.push_back(effect->text);
        }
        return texts;
    }
};

TEST_F(WorldItems, CoinAddsScoreUpToTheCap) {
    PlayerMary& player = AddPlayer(200, 300);
    app->playerRecord->score = 999999950;
    Coin& coin = Place<Coin>(200, 280);
    coin.Update();
    EXPECT_TRUE(coin.removed);
    EXPECT_EQ(app->playerRecord->score, 999999999);
    EXPECT_EQ(All<ItemgetEffect>().size(), 1u);
    EXPECT_EQ(ScoreTexts(), std::vector<std::string>{"100"});

    // A coin answers to a box of 27 pixels around it; touching is not enough.
    app->playerRecord->score = 0;
    Coin& near = Place<Coin>(player.HitBoxRight() + 27 - 1, 280);
    Coin& touching = Place<Coin>(player.HitBoxRight() + 27, 280);
    touching.Update();
    near.Update();
    EXPECT_FALSE(touching.removed);
    EXPECT_TRUE(near.removed);
    EXPECT_EQ(app->playerRecord->score, 100);
}

TEST_F(WorldItems, ExtraLivesAndMagazinesStopAt99) {
    AddPlayer(200, 300);
    app->playerRecord->lives = 99;
    Oneup& life = Place<Oneup>(200, 280);
    life.Update();
    EXPECT_TRUE(life.removed);
    EXPECT_EQ(app->playerRecord->lives, 99);
    EXPECT_EQ(All<ItemgetEffect>().size(), 1u) << "the pickup still shows";

    app->playerRecord->lives = 4;
    Place<Oneup>(200, 280).Update();
    EXPECT_EQ(app->playerRecord->lives, 5);

    Skarov* gun = static_cast<PlayerMary*>(app->player)->Gun();
    ASSERT_NE(gun, nullptr);
    gun->magazines = 98;
    Magazine& first = Place<Magazine>(200, 280);
    first.Update();
    EXPECT_TRUE(first.removed);
    EXPECT_EQ(gun->magazines, 99);
    Place<Magazine>(200, 280).Update();
    EXPECT_EQ(gun->magazines, 99);
    EXPECT_EQ(app->playerRecord->magazines, 99);
    EXPECT_EQ(ScoreTexts(), (std::vector<std::string>{"magazine", "magazine", "1up", "1up"}));
}

TEST_F(WorldItems, ADyingPlayerCollectsAndTriggersNothing) {
    PlayerMary& player = AddPlayer(200, 300);
    player.lifeState = 1;
    Coin& coin = Place<Coin>(200, 280);
    Midpoint& checkpoint = Place<Midpoint>(200, 280);
    Goal& goal = Place<Goal>(207, 300 - 32 - 115 + 176);
    Event& trigger = *app->objects->Add(new Event("2")).get();
    trigger.SetPosition(200, 280);
    for (ObjectBase* item : std::vector<ObjectBase*>{&coin, &checkpoint, &goal, &trigger}) {
        item->Update();
        EXPECT_FALSE(item->removed);
    }
    EXPECT_TRUE(stage->checkpoints.empty());
    EXPECT_TRUE(stage->messages.empty());
}

TEST_F(WorldItems, MagazineBobsAroundAScrollingCentre) {
    Magazine& magazine = Place<Magazine>(100, 100);
    app->objects->ShiftAll(-10, -20);
    EXPECT_FLOAT_EQ(magazine.baseY, 80.0f);
    magazine.Update();
    EXPECT_NEAR(magazine.y, 80.0f + 10.0f * std::sin(0.04f), 1e-4);
}

TEST_F(WorldItems, TimedMagazineFadesAfter300Frames) {
    AddPlayer(500, 300);
    auto* magazine = app->objects->Add(new MagazineTimeout()).get();
    magazine->SetPosition(100, 100);
    for (int i = 0; i < 300; ++i) {
        magazine->Update();
    }
    EXPECT_FLOAT_EQ(magazine->alpha, 1.0f);
    // Fifty steps of 0.02 in single precision, then one more to reach 0.
    EXPECT_EQ(UpdatesUntilRemoved(*magazine, 100), 51);
}

TEST_F(WorldItems, CheckpointRecordsTheViewAndItsPositionOnce) {
    AddMap(EmptyMap(60, 15)).SetView(7, 0);
    AddPlayer(300, 300);
    Midpoint& checkpoint = Place<Midpoint>(310, 284);
    checkpoint.Update();
    ASSERT_EQ(stage->checkpoints.size(), 1u);
    EXPECT_EQ(stage->checkpoints[0].column, 7);
    EXPECT_EQ(stage->checkpoints[0].row, 0);
    EXPECT_FLOAT_EQ(stage->checkpoints[0].x, 310.0f);
    EXPECT_FLOAT_EQ(stage->checkpoints[0].y, 284.0f);
    EXPECT_TRUE(checkpoint.removed);
    EXPECT_EQ(ScoreTexts(), std::vector<std::string>{"CheckPoint"});
}

TEST_F(WorldItems, CheckpointRecordsItsPlaceInTheCellAlignedView) {
    ViewMap& map = AddMap(EmptyMap(60, 15));
    map.SetView(7, 0);
    map.subOffsetX = -12; // the view is 12 pixels into its next column
    AddPlayer(300, 300);
    Midpoint& checkpoint = Place<Midpoint>(310, 284);
    checkpoint.Update();
    ASSERT_EQ(stage->checkpoints.size(), 1u);
    EXPECT_EQ(stage->checkpoints[0].column, 7);
    EXPECT_FLOAT_EQ(stage->checkpoints[0].x, 322.0f)
        << "a rebuild at column 7 with no part-cell scroll shows the checkpoint 12 pixels right";
}

TEST_F(WorldItems, GoalNeedsTheAimPointsWithin23Pixels) {
    PlayerMary& player = AddPlayer(300, 300);
    // The player's aim point is (300, 268); the goal's is (x - 7, y + 115).
    Goal& goal = Place<Goal>(0, 0);
    goal.MoveTo(307.0f + 23.0f, 268.0f - 115.0f);
    goal.Update();
    EXPECT_FALSE(goal.removed) << "exactly 23 pixels away is not enough";
    goal.MoveTo(307.0f + 22.9f, 268.0f - 115.0f);
    goal.Update();
    ASSERT_TRUE(goal.removed);
    ASSERT_EQ(stage->messages.size(), 2u);
    EXPECT_EQ(stage->messages[0].name, "KillBoss");
    EXPECT_EQ(stage->messages[1].name, "DeadBoss");
    EXPECT_TRUE(stage->messages[0].args.empty());
    ASSERT_EQ(All<GoalEffect>().size(), 1u);
    EXPECT_FLOAT_EQ(All<GoalEffect>()[0]->x, player.x);
    EXPECT_FLOAT_EQ(All<GoalEffect>()[0]->y, player.y - 32.0f);
    EXPECT_EQ(ScoreTexts(), std::vector<std::string>{"Goal"});
}

TEST_F(WorldItems, GoalDrawsTheMirrorInThreeLayers) {
    DeclareImage("gfx/mirror_base.tga", 160, 192);
    auto base = std::make_shared<CTexture>();
    base->Load("MirrorBase", "gfx/mirror_base.tga", false);
    Goal& goal = Place<Goal>(300, 216);
    recorder->ClearDraws();
    goal.Draw();
    ASSERT_EQ(recorder->Draws().size(), 1u) << "only the declared layer exists in this test";
    const auto& draw = recorder->Draws()[0];
    EXPECT_EQ(draw.texture, "MirrorBase");
    // Vertices sit half a pixel up and left, on the pixel grid's corners.
    EXPECT_FLOAT_EQ(draw.vertices[0].x + 0.5f, 220.0f);
    EXPECT_FLOAT_EQ(draw.vertices[0].y + 0.5f, 40.0f);
    EXPECT_FLOAT_EQ(draw.vertices[2].y + 0.5f, 232.0f) << "standing on the cell's bottom edge";
}

TEST_F(WorldItems, EventTriggersFireOnceWithTheirName) {
    AddPlayer(100, 300);
    Event& trigger = *app->objects->Add(new Event("3")).get();
    trigger.SetPosition(90, 300);
    trigger.Update();
    ASSERT_EQ(stage->messages.size(), 1u);
    EXPECT_EQ(stage->messages[0].name, "event");
    EXPECT_EQ(stage->messages[0].args, std::vector<std::string>{"3"});
    EXPECT_TRUE(trigger.removed);
    recorder->ClearDraws();
    trigger.Draw();
    EXPECT_TRUE(recorder->Draws().empty()) << "triggers are invisible";
}

} // namespace
