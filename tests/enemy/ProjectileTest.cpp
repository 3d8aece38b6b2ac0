// Enemy projectiles: how each is launched, flies, meets blocks, is shot and
// ends.
#include "../world/WorldFixture.h"

#include "enemy/Projectiles.h"
#include "world/Block.h"
#include "world/Effects.h"

#include <cmath>
#include <memory>
#include <vector>

using worldtest::WorldFixture;

namespace {

class Projectiles : public WorldFixture {
protected:
    // A solid cell with its top-left corner at (x, y).
    Block& AddBlock(float x, float y) {
        auto* block = app->objects->Add(new Block(32, 0)).get();
        block->SetPosition(x, y);
        return *block;
    }
    // A stand-in thrower at (x, y).
    const TurnObject& Thrower(float x, float y, bool facingLeft) {
        auto thrower = std::make_unique<TurnObject>();
        thrower->x = x;
        thrower->y = y;
        thrower->facing = facingLeft;
        throwers.push_back(std::move(thrower));
        return *throwers.back();
    }
    std::vector<std::unique_ptr<TurnObject>> throwers;
    template <typename T> int CountOf() const { return static_cast<int>(All<T>().size()); }
    // Updates until the shot is removed (1-based update), or 0 within limit.
    static int Fly(EnemyBase& shot, int limit) {
        for (int i = 1; i <= limit; ++i) {
            shot.Update();
            if (shot.removed) {
                return i;
            }
        }
        return 0;
    }
};

} // namespace

TEST_F(Projectiles, ThrownShotsStartAtTheThrowerAndFlyForwardInAnArc) {
    const TurnObject& left = Thrower(300, 200, true);
    auto fire = enemy::ThrowArcFireball(left);
    ASSERT_NE(fire, nullptr);
    EXPECT_EQ(fire->x, 300.0f);
    EXPECT_EQ(fire->y, 200.0f);
    EXPECT_TRUE(fire->facing);
    EXPECT_EQ(fire->vx, -1.5f);
    EXPECT_EQ(fire->vy, -6.0f);
    EXPECT_EQ(fire->priority, 999);
    EXPECT_TRUE(fire->alwaysActive);
    fire->Update();
    EXPECT_FLOAT_EQ(fire->vy, -5.9f);
    EXPECT_FLOAT_EQ(fire->x, 298.5f);
    EXPECT_FLOAT_EQ(fire->y, 194.1f);
    EXPECT_FLOAT_EQ(fire->spin, 1.52f) << "thrown to the left it turns back";

    auto knife = enemy::ThrowArcKnife(Thrower(300, 200, false));
    ASSERT_NE(knife, nullptr);
    EXPECT_EQ(knife->vx, 2.5f);
    EXPECT_EQ(knife->vy, -3.0f);
    EXPECT_EQ(knife->priority, 999);
    EXPECT_FALSE(knife->alwaysActive);
    EXPECT_FLOAT_EQ(knife->spin, -1.57f);

    // Both rise, turn and fall out below the screen: the fireball over open
    // ground, the knife straight through a wall in its way.
    AddBlock(340, 150);
    EXPECT_GT(Fly(*knife, 400), 0);
    EXPECT_EQ(CountOf<Blood>(), 0) << "leaving the screen is no death";
    EXPECT_GT(Fly(*fire, 400), 0);
    EXPECT_EQ(CountOf<Bomb>(), 0);
}

TEST_F(Projectiles, FireballsBurstOnBlocksAndWhenShotAlike) {
    AddBlock(256, 192);
    auto ball = enemy::ShootFireBall(200, 208, 1);
    ASSERT_NE(ball, nullptr);
    EXPECT_EQ(ball->vx, 4.0f);
    EXPECT_EQ(ball->priority, 1000);
    EXPECT_FALSE(ball->alwaysActive);
    int updates = 0;
    while (!ball->dying && updates < 30) {
        ball->Update();
        ++updates;
    }
    ASSERT_TRUE(ball->dying);
    EXPECT_EQ(ball->x, 250.0f) << "snapped against the wall's face";
    ball->Update();
    EXPECT_TRUE(ball->removed);
    EXPECT_EQ(CountOf<Bomb>(), 1);
    EXPECT_EQ(CountOf<Spark>(), 8);
    EXPECT_FLOAT_EQ(First<Bomb>()->scale, 0.5f);

    // Shot in mid-air: the same burst.
    auto shot = enemy::ShootFireBall(100, 100, 0);
    EXPECT_TRUE(shot->HitTest(90, 95, 100, 105));
    shot->Damage(1);
    shot->Update();
    EXPECT_TRUE(shot->removed);
    EXPECT_EQ(CountOf<Bomb>(), 2);
    EXPECT_EQ(CountOf<Spark>(), 16);
    EXPECT_EQ(CountOf<Blood>(), 0);

    // Sparks fly out at 0.30 .. 0.49 a frame.
    for (Spark* spark : All<Spark>()) {
        const float speed = std::sqrt(spark->vx * spark->vx + spark->vy * spark->vy);
        EXPECT_GE(speed, 0.29f);
        EXPECT_LE(speed, 0.50f);
    }

    // A ball that meets nothing is gone once wholly off screen (x + 16 < -32).
    auto away = enemy::ShootFireBall(0, 100, 0);
    EXPECT_EQ(Fly(*away, 100), 13);
    EXPECT_EQ(CountOf<Bomb>(), 2);
}

TEST_F(Projectiles, LineShotsFlyAlongTheirAngleForThreeSeconds) {
    const float down = 1.5707964f;
    auto knife = enemy::ShootLineKnife(Thrower(320, 100, true), down);
    auto beam = enemy::ShootBeam(320, 100, 0.0f, false);
    auto fire = enemy::ShootLineFireball(320, 100, 3.1415927f, true);
    ASSERT_TRUE(knife && beam && fire);
    EXPECT_EQ(knife->x, 320.0f);
    EXPECT_TRUE(knife->facing);
    EXPECT_NEAR(knife->vx, 0.0f, 1e-5f);
    EXPECT_FLOAT_EQ(knife->vy, 5.0f);
    EXPECT_FLOAT_EQ(beam->vx, 4.0f);
    EXPECT_FLOAT_EQ(fire->vx, -5.0f);
    for (EnemyBase* shot :
         {static_cast<EnemyBase*>(knife.get()), static_cast<EnemyBase*>(beam.get()),
          static_cast<EnemyBase*>(fire.get())}) {
        EXPECT_EQ(shot->priority, 999);
        EXPECT_TRUE(shot->alwaysActive);
    }
    EXPECT_FALSE(beam->HitTest(0, 0, 640, 480)) << "bullets pass through beams";
    EXPECT_TRUE(knife->HitTest(0, 0, 640, 480));
    EXPECT_TRUE(fire->HitTest(0, 0, 640, 480));

    // Far off screen they keep flying, and each is gone on its 180th update.
    EXPECT_EQ(Fly(*knife, 300), 180);
    EXPECT_NEAR(knife->y, 100.0f + 180.0f * 5.0f, 0.01f);
    EXPECT_EQ(Fly(*beam, 300), 180);
    EXPECT_EQ(Fly(*fire, 300), 180);
    EXPECT_EQ(CountOf<Bomb>(), 0) << "running out of time is no burst";
}

TEST_F(Projectiles, OnlyTheFireballsStopAtBlocks) {
    AddBlock(400, 84);
    auto knife = enemy::ShootLineKnife(320, 100, 0.0f, false);
    auto fire = enemy::ShootLineFireball(320, 100, 0.0f, false);
    for (int i = 0; i < 40; ++i) {
        knife->Update();
        if (!fire->removed) {
            fire->Update();
        }
    }
    EXPECT_FALSE(knife->removed);
    EXPECT_GT(knife->x, 500.0f) << "knives fly through walls";
    EXPECT_TRUE(fire->removed);
    EXPECT_EQ(CountOf<Bomb>(), 1);

    // A knife that is shot dies like an ordinary enemy.
    knife->Damage(1);
    knife->Update();
    EXPECT_TRUE(knife->removed);
    EXPECT_EQ(CountOf<Blood>(), 1);
}

// Shots that are not always active fall asleep when the view scrolls them off
// screen, and asleep they would never reach their own removal: they go at
// once instead. The always-active ones keep flying off screen as before.
TEST_F(Projectiles, ScrolledOffScreenTheThrownShotsAreGoneTheOthersFlyOn) {
    auto ball = enemy::ShootFireBall(600, 200, 1);
    auto knife = enemy::ThrowArcKnife(Thrower(600, 200, false));
    auto arc = enemy::ThrowArcFireball(Thrower(600, 200, false));
    auto line = enemy::ShootLineKnife(600, 200, 0.0f, false);
    ASSERT_TRUE(ball && knife && arc && line);
    app->objects->ShiftAll(-10.0f, 0.0f);
    EXPECT_FALSE(ball->removed) << "still on screen";
    app->objects->ShiftAll(100.0f, 0.0f);
    EXPECT_TRUE(ball->removed);
    EXPECT_TRUE(knife->removed);
    EXPECT_FALSE(arc->removed);
    EXPECT_FALSE(line->removed);
    app->objects->UpdateAll();
    EXPECT_EQ(CountOf<FireBall>() + CountOf<ArcKnife>(), 0) << "the next pass drops them";
    EXPECT_EQ(CountOf<Bomb>() + CountOf<Blood>(), 0) << "leaving the screen is no death";
    EXPECT_EQ(CountOf<ArcFireball>() + CountOf<LineKnife>(), 2);
}
