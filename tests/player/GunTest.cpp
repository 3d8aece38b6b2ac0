// The gun: rate of fire, reloads, the replay-safe spread, bullets and cases.
#include "StageTestSupport.h"

#include "enemy/Dummy.h"
#include "lib/myInput.h"
#include "player/SkarovBullet.h"
#include "player/SkarovBulletCase.h"
#include "world/Effects.h"
#include "world/Floating.h"

#include <cmath>
#include <vector>

using stagetest::StageFixture;

namespace {

const std::vector<std::string>& kRoom = stagetest::FlatRoom();

class GunFixture : public StageFixture {
protected:
    void SetUp() override {
        StageFixture::SetUp();
        StartStage(kRoom);
        SkipIntro();
    }
};

} // namespace

TEST_F(GunFixture, AHeldTriggerFiresEveryFifthFrameAndReloadsFromASpareMagazine) {
    Skarov& gun = StageFixture::Gun();
    gun.magazines = 1;
    std::vector<int> shotFrames;
    int rounds = gun.rounds;
    for (int frame = 1; frame <= 160; ++frame) {
        Step(ButtonShot);
        if (gun.rounds < rounds) {
            shotFrames.push_back(frame);
        }
        rounds = gun.rounds;
    }
    ASSERT_GE(shotFrames.size(), 21u);
    for (size_t i = 1; i < 20; ++i) {
        EXPECT_EQ(shotFrames[i] - shotFrames[i - 1], 5) << "shot " << i;
    }
    // The 21st pull (rounds 0) starts the reload with a click; the reload
    // runs 37 player updates, the pull's own frame included, and the next
    // frame fires from the new magazine.
    const int reloadPull = shotFrames[19] + 5;
    EXPECT_EQ(shotFrames[20], reloadPull + 37);
    EXPECT_EQ(gun.magazines, 0);
    EXPECT_EQ(app->playerRecord->magazines, 0);
}

TEST_F(GunFixture, TheReloadBlocksFiringFor37Frames) {
    Skarov& gun = StageFixture::Gun();
    gun.rounds = 0;
    gun.magazines = 2;
    gun.sinceShot = 5;
    Step(ButtonShot);
    EXPECT_TRUE(gun.reloading);
    EXPECT_EQ(Player().reloadState, 2);
    EXPECT_EQ(gun.magazines, 1);
    for (int i = 0; i < 35; ++i) {
        Step(ButtonShot);
        ASSERT_TRUE(gun.reloading) << "frame " << i;
    }
    Step(ButtonShot);
    EXPECT_FALSE(gun.reloading);
    EXPECT_EQ(gun.rounds, 20);
    EXPECT_EQ(Player().reloadState, 0);
    // Empty with no spare magazine: only clicks.
    gun.rounds = 0;
    gun.magazines = 0;
    for (int i = 0; i < 30; ++i) {
        Step(ButtonShot);
    }
    EXPECT_FALSE(gun.reloading);
    EXPECT_EQ(gun.rounds, 0);
}

TEST_F(GunFixture, EveryNewGunDrawsTheSameSpreads) {
    Skarov a;
    Skarov b;
    for (int i = 0; i < 50; ++i) {
        const float s = a.NextSpread();
        EXPECT_EQ(s, b.NextSpread());
        EXPECT_GE(s, -0.1f);
        EXPECT_LT(s, 0.1f);
    }
}

TEST_F(GunFixture, CrouchingShotsSlantDownAndCasesFlyBackwards) {
    Skarov& gun = StageFixture::Gun();
    gun.sinceShot = 5;
    Player().facing = true;
    gun.Fire(Player().x, Player().y, true);
    auto* bullet = FirstOf<SkarovBullet>();
    auto* bulletCase = FirstOf<SkarovBulletCase>();
    ASSERT_NE(bullet, nullptr);
    ASSERT_NE(bulletCase, nullptr);
    EXPECT_EQ(bullet->x, Player().x - 32.0f);
    EXPECT_EQ(bullet->y, Player().y - 32.0f);
    EXPECT_LT(bullet->vx, 0.0f);
    EXPECT_GT(bullet->vy, 6.0f * std::sin(0.09f)) << "spread -0.1..0.1 plus 0.2";
    EXPECT_TRUE(bullet->facing);
    EXPECT_FALSE(bulletCase->facing);
    EXPECT_GT(bulletCase->vx, 0.0f);
    EXPECT_EQ(gun.rounds, 19);
}

TEST_F(GunFixture, BulletsLiveThirtyUpdatesAndLeaveTheScreenAt654) {
    auto* slow = app->objects->Add(new SkarovBullet(320, 100, 0.0f, 0.0f, false)).get();
    auto* fast = app->objects->Add(new SkarovBullet(648, 100, 6.0f, 0.0f, false)).get();
    fast->Update();
    EXPECT_TRUE(fast->removed) << "x 654 is off screen";
    for (int i = 0; i < 29; ++i) {
        slow->Update();
    }
    EXPECT_FALSE(slow->removed);
    slow->Update();
    EXPECT_TRUE(slow->removed);
}

// A swinging platform's box reaches 40 pixels either side of its middle: a
// bullet stops at whichever end it meets, not somewhere along the plank.
TEST_F(GunFixture, BulletsStopAtTheEndsOfASwingingPlatform) {
    auto* plank = app->objects->Add(new Floating()).get();
    plank->SetPosition(200, 200); // spans x 176 to 256 at y 216
    struct Shot {
        float x;
        float vx;
        float stopsBefore; // the end it meets, plus one step
        bool fromLeft;
    };
    for (const Shot& s :
         {Shot{130, 6.0f, 176.0f + 6.0f, true}, Shot{300, -6.0f, 256.0f - 6.0f, false}}) {
        SCOPED_TRACE(s.fromLeft ? "from the left" : "from the right");
        const int walls = CountOf<HitWall>();
        auto* bullet = app->objects->Add(new SkarovBullet(s.x, 216, s.vx, 0.0f, !s.fromLeft)).get();
        int updates = 0;
        while (!bullet->removed && updates < 30) {
            bullet->Update();
            ++updates;
        }
        ASSERT_TRUE(bullet->removed);
        EXPECT_EQ(CountOf<HitWall>(), walls + 1) << "it hit the plank";
        if (s.fromLeft) {
            EXPECT_LT(bullet->x, s.stopsBefore);
        } else {
            EXPECT_GT(bullet->x, s.stopsBefore);
        }
    }
}

TEST_F(GunFixture, BulletsStopOnBlocksAndHitTargets) {
    // A bullet flying into the floor.
    auto* low = app->objects->Add(new SkarovBullet(100, 372, 0.0f, 6.0f, false)).get();
    low->Update();
    EXPECT_TRUE(low->removed);
    EXPECT_EQ(CountOf<HitWall>(), 1);

    auto* target = app->objects->Add(new Dummy()).get();
    target->SetPosition(400, 200);
    auto* shot = app->objects->Add(new SkarovBullet(380, 200, 6.0f, 0.0f, false)).get();
    shot->Update();
    EXPECT_TRUE(shot->removed);
    EXPECT_EQ(target->hitPoints, 0);
    EXPECT_TRUE(target->dying);
    EXPECT_EQ(CountOf<EffectHit>(), 1);
    EXPECT_EQ(CountOf<Spark>(), 1);
    // A second bullet passes a target with no hit points left.
    auto* second = app->objects->Add(new SkarovBullet(380, 200, 6.0f, 0.0f, false)).get();
    second->Update();
    EXPECT_FALSE(second->removed);
}

TEST_F(GunFixture, CasesWaitByTheEffectSettingThenFadeIn20Frames) {
    EXPECT_EQ(SkarovBulletCase::WaitForEffectLevel(0), 30);
    EXPECT_EQ(SkarovBulletCase::WaitForEffectLevel(1), 60);
    EXPECT_EQ(SkarovBulletCase::WaitForEffectLevel(2), 180);
    EXPECT_EQ(SkarovBulletCase::WaitForEffectLevel(-4), 30) << "below the range: the shortest";
    EXPECT_EQ(SkarovBulletCase::WaitForEffectLevel(9), 180) << "above the range: the longest";

    app->gameState->effectLevel = 0;
    auto* c = app->objects->Add(new SkarovBulletCase(100, 300, false)).get();
    EXPECT_EQ(c->wait, 30);
    int updates = 0;
    while (!c->removed && updates < 200) {
        c->Update();
        ++updates;
        if (updates == 31) {
            EXPECT_FLOAT_EQ(c->alpha, 0.95f) << "fading starts once the wait is below 0";
        }
    }
    EXPECT_GE(updates, 50);
    EXPECT_LE(updates, 51);
    EXPECT_LT(c->y, 384.0f) << "it bounced on the floor instead of falling through";
}
