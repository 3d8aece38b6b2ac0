// The enemy base on the practice target: stomps, contact, bullet hits, the
// damage flash and the default death.
#include "../player/StageTestSupport.h"

#include "enemy/Dummy.h"
#include "world/Block.h"
#include "world/Effects.h"

#include <vector>

using stagetest::StageFixture;

namespace {

const std::vector<std::string>& kRoom = stagetest::FlatRoom();

class Enemy : public StageFixture {
protected:
    void SetUp() override {
        StageFixture::SetUp();
        StartStage(kRoom);
        SkipIntro();
    }
    Dummy* AddDummy(float x, float y) {
        auto* d = app->objects->Add(new Dummy()).get();
        d->SetPosition(x, y);
        return d;
    }
};

} // namespace

TEST_F(Enemy, LandingOnATargetStompsItAndBouncesThePlayer) {
    PlayerMary& p = Player();
    // Feet just inside the upper half of the box (y - 13 .. y).
    Dummy* d = AddDummy(p.x + 20.0f, p.y + 5.0f);
    p.vy = 4.0f;
    p.jumpState = PlayerBase::Falling;
    d->Update();
    EXPECT_EQ(d->hitPoints, 0);
    EXPECT_TRUE(d->dying);
    EXPECT_EQ(p.vy, -13.0f);
    EXPECT_EQ(p.jumpState, PlayerBase::Rising);
    EXPECT_EQ(p.lifeState, PlayerBase::Alive);
    EXPECT_FALSE(d->removed) << "the death comes with the next update";
    d->Update();
    EXPECT_TRUE(d->removed);
    EXPECT_EQ(CountOf<Blood>(), 1);
}

TEST_F(Enemy, TouchingATargetFromTheSideIsAMissUnlessBenchmarking) {
    PlayerMary& p = Player();
    Dummy* d = AddDummy(p.x + 20.0f, p.y - 20.0f);
    app->gameState->bench = 1;
    d->Update();
    EXPECT_EQ(p.lifeState, PlayerBase::Alive);
    app->gameState->bench = 0;
    d->Update();
    EXPECT_EQ(p.lifeState, PlayerBase::Dying);
    EXPECT_EQ(d->hitPoints, 1);
}

TEST_F(Enemy, HitPointsFlashAndTheBulletTest) {
    PlayerMary& p = Player();
    Dummy* d = AddDummy(400, 100);
    d->hitPoints = 3;
    EXPECT_TRUE(d->HitTest(380, 95, 390, 105)) << "390 reaches into 387..413";
    EXPECT_FALSE(d->HitTest(370, 95, 387, 105)) << "touching edges do not overlap";
    EXPECT_EQ(d->Damage(1), 2);
    EXPECT_EQ(d->flashTimer, 10);
    std::vector<float> alphas;
    for (int i = 0; i < 11; ++i) {
        d->Update();
        alphas.push_back(d->FlashAlpha());
    }
    EXPECT_EQ(alphas[0], 0.2f) << "9 left: odd";
    EXPECT_EQ(alphas[1], 0.9f);
    EXPECT_EQ(alphas[8], 0.2f);
    EXPECT_EQ(alphas[9], 1.0f);
    d->Damage(5);
    EXPECT_EQ(d->hitPoints, 0);
    EXPECT_FALSE(d->HitTest(380, 95, 420, 105)) << "no hit points: bullets pass";
    d->MoveTo(p.x + 10.0f, p.y - 20.0f);
    d->TouchPlayer();
    EXPECT_EQ(p.lifeState, PlayerBase::Alive) << "no hit points: no harm on contact";
}

TEST_F(Enemy, AFacingLeftTargetMirrorsItsBox) {
    Dummy* d = AddDummy(400, 100);
    d->left = -5;
    d->right = 13;
    EXPECT_TRUE(d->HitTest(410, 95, 420, 105));
    d->facing = true;
    EXPECT_FALSE(d->HitTest(410, 95, 420, 105));
    EXPECT_TRUE(d->HitTest(385, 95, 390, 105));
}

TEST_F(Enemy, TheMapPlacesPracticeTargetsOnTheirCellsCentre) {
    auto rows = kRoom;
    rows[11] = "..S.......D.........";
    StartStage(rows);
    Dummy* d = FirstOf<Dummy>();
    ASSERT_NE(d, nullptr) << "chip (0, 192) makes a practice target, not a block";
    EXPECT_EQ(d->x, 10.0f * 32.0f + 16.0f);
    EXPECT_EQ(d->y, 11.0f * 32.0f + 16.0f);
    EXPECT_EQ(CountOf<Block>(), 60) << "only the floor is solid";
}
