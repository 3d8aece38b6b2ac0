// The bosses' attacks as the player meets them: how many shots a volley
// holds, at which angles and from where they leave, how fast the dives and
// lunges go, and the last form's harmless fade-in. Each boss is run on its
// own (outside the object list), so the shots it fires stay where they were
// launched and can be read as they left.
#include "../player/StageTestSupport.h"

#include "app/Log.h"
#include "enemy/ArcFireball.h"
#include "enemy/Beam.h"
#include "enemy/FesbioBrain.h"
#include "enemy/FesbioSnake.h"
#include "enemy/LineFireball.h"
#include "enemy/LineKnife.h"
#include "enemy/Marfes.h"
#include "enemy/Marfes2.h"

#include <cmath>
#include <gtest/gtest.h>
#include <set>

namespace {

// One shot as it left: the boss's frame counter then, its start and velocity.
struct Fired {
    int counter;
    float x, y, vx, vy;
    float angle; // the travel angle of a straight shot
};

// A room 40 cells wide with a floor, the heroine at the left: wide enough for
// the serpent's arena (from map x 800 to the last column).
const std::vector<std::string>& WideRoom() {
    static const std::vector<std::string> rows = [] {
        std::vector<std::string> r(15, std::string(40, '.'));
        r[11][2] = 'S';
        for (int row = 12; row < 15; ++row) {
            r[row] = std::string(40, '#');
        }
        return r;
    }();
    return rows;
}

class BossAttacks : public stagetest::StageFixture {
protected:
    void SetUp() override {
        StageFixture::SetUp();
        ::setenv("VRELS_NO_DIALOGS", "1", 1);
        vrels::SetLogPath("/dev/null");
        app->gameState->bench = 1; // nothing hurts the heroine
    }
    void TearDown() override {
        app->objects->Clear();
        vrels::SetLogPath("log.txt");
        StageFixture::TearDown();
    }

    void Enter(const std::vector<std::string>& rows) {
        StartStage(rows);
        SkipIntro();
    }

    // Updates the boss `frames` times on its own and returns the shots of
    // kind Shot that it launched, in order.
    template <typename Shot, typename Boss> std::vector<Fired> Watch(Boss& boss, int frames) {
        std::set<const ObjectBase*> seen;
        for (const auto& object : app->objects->Objects()) {
            seen.insert(object.get());
        }
        std::vector<Fired> fired;
        for (int i = 0; i < frames; ++i) {
            boss.Update();
            // Among equal priorities the newest stands first in the list.
            std::vector<Fired> now;
            for (const auto& object : app->objects->Objects()) {
                if (!seen.insert(object.get()).second) {
                    continue;
                }
                if (const auto* shot = dynamic_cast<const Shot*>(object.get())) {
                    now.push_back({boss.stateCounter, shot->x, shot->y, shot->vx, shot->vy,
                                   TravelAngle(*shot)});
                }
            }
            fired.insert(fired.end(), now.rbegin(), now.rend());
        }
        return fired;
    }

    static float TravelAngle(const LineShot& shot) { return shot.travelAngle; }
    static float TravelAngle(const ObjectBase&) { return 0.0f; }

    // The direction from (x, y) to where the heroine is aimed at.
    float TowardHeroine(float x, float y) const { return app->player->AngleFrom(x, y); }
};

} // namespace

TEST_F(BossAttacks, TheBrainThrowsTenFireballsAVolleyWhileCreepingAndJumpsFastAndHigh) {
    Enter(stagetest::FlatRoom());
    FesbioBrain brain;
    brain.SetPosition(500, 352);
    for (int i = 0; i < 30; ++i) {
        brain.Update(); // settle on the floor
    }
    ASSERT_TRUE(brain.wasOnGround);
    brain.attackState = FesbioBrain::Fire;
    brain.stateCounter = 0;
    brain.facing = true;
    const float startX = brain.x;
    const auto balls = Watch<ArcFireball>(brain, 90);
    ASSERT_EQ(balls.size(), 10u) << "one every 6 frames from frame 36 to 90";
    for (size_t i = 0; i < balls.size(); ++i) {
        EXPECT_EQ(balls[i].counter, 36 + 6 * static_cast<int>(i));
        EXPECT_FLOAT_EQ(balls[i].vx, -ArcFireball::ThrowVx) << "thrown the way it faces";
        EXPECT_FLOAT_EQ(balls[i].vy, ArcFireball::ThrowVy);
    }
    EXPECT_EQ(brain.animation, 20) << "the throwing frame";
    EXPECT_NEAR(brain.x, startX - 0.2f * 90, 1e-2) << "it creeps at 0.2 while throwing";
    EXPECT_EQ(brain.attackState, FesbioBrain::Fire);
    brain.Update();
    EXPECT_EQ(brain.attackState, FesbioBrain::Walk) << "the volley ends after frame 90";
    const float walkFrom = brain.x;
    brain.Update();
    EXPECT_NEAR(walkFrom - brain.x, 1.0f, 1e-4) << "it walks at 1";

    // Left to choose, it jumps sooner or later: 13 up, 2 a frame across.
    int frames = 0;
    while (brain.attackState != FesbioBrain::Jump && frames < 3000) {
        brain.Update();
        ++frames;
    }
    ASSERT_EQ(brain.attackState, FesbioBrain::Jump);
    EXPECT_FLOAT_EQ(brain.vy, -13.0f);
    const float groundY = brain.y;
    const float jumpX = brain.x;
    brain.Update();
    EXPECT_NEAR(std::fabs(brain.x - jumpX), 2.0f, 1e-4) << "2 a frame for the jump";
    float highest = groundY;
    while (brain.attackState == FesbioBrain::Jump && frames < 4000) {
        brain.Update();
        highest = std::min(highest, brain.y);
        ++frames;
    }
    EXPECT_NEAR(groundY - highest, 13.0f * 13.0f / (2 * 0.3f), 15.0f) << "about 280 high";
}

TEST_F(BossAttacks, TheSerpentFansFourteenFireballsAndLungesAtFiveReturningAtThree) {
    Enter(WideRoom());
    FesbioSnake snake;
    snake.SetPosition(1000, 200);
    snake.attackState = FesbioSnake::Fan;
    snake.facing = true;
    const auto fan = Watch<LineFireball>(snake, 71);
    ASSERT_EQ(fan.size(), 14u) << "one every 5 frames up to frame 70";
    for (size_t i = 0; i < fan.size(); ++i) {
        const int k = static_cast<int>(i) + 1;
        EXPECT_EQ(fan[i].counter, 5 * k);
        EXPECT_NEAR(fan[i].angle, -0.785f - 0.4f * k, 1e-4) << "ball " << k;
        EXPECT_NEAR(std::hypot(fan[i].vx, fan[i].vy), 5.0f, 1e-4);
    }
    EXPECT_EQ(snake.attackState, FesbioSnake::Swim);

    FesbioSnake right;
    right.SetPosition(1000, 200);
    right.attackState = FesbioSnake::Fan;
    right.facing = false;
    const auto mirrored = Watch<LineFireball>(right, 71);
    ASSERT_EQ(mirrored.size(), 14u);
    EXPECT_NEAR(mirrored[0].angle, 3.33625f + 0.4f, 1e-4);
    EXPECT_NEAR(mirrored[13].angle, 3.33625f + 0.4f * 14, 1e-4);

    // The lunge: a second of aiming, then straight at where the heroine
    // stood at 5 a frame, and back the same way at 3.
    FesbioSnake lunger;
    lunger.SetPosition(1000, 200);
    lunger.attackState = FesbioSnake::Aim;
    for (int i = 0; i < 61; ++i) {
        lunger.Update();
    }
    ASSERT_EQ(lunger.attackState, FesbioSnake::Lunge);
    const float fromX = lunger.x;
    const float fromY = lunger.y;
    // She is aimed at a little above her feet.
    const float targetX = app->player->x + static_cast<float>(app->player->aimX);
    const float targetY = app->player->y + static_cast<float>(app->player->aimY);
    float lastX = lunger.x;
    float lastY = lunger.y;
    std::vector<float> lungeSteps;
    std::vector<float> returnSteps;
    int frames = 0;
    float closest = 1e9f;
    while (lunger.attackState != FesbioSnake::Swim && frames < 2000) {
        const int state = lunger.attackState;
        lunger.Update();
        const float step = std::hypot(lunger.x - lastX, lunger.y - lastY);
        (state == FesbioSnake::Lunge ? lungeSteps : returnSteps).push_back(step);
        closest = std::min(closest, std::hypot(lunger.x - targetX, lunger.y - targetY));
        lastX = lunger.x;
        lastY = lunger.y;
        ++frames;
    }
    ASSERT_GT(lungeSteps.size(), 10u);
    ASSERT_GT(returnSteps.size(), 10u);
    EXPECT_NEAR(lungeSteps[lungeSteps.size() / 2], 5.0f, 1e-3);
    EXPECT_NEAR(returnSteps[returnSteps.size() / 2], 3.0f, 1e-3);
    EXPECT_LT(closest, 24.0f) << "the lunge reaches where she stood";
    EXPECT_LT(std::hypot(lunger.x - fromX, lunger.y - fromY), 16.0f) << "and comes back";
}

TEST_F(BossAttacks, TheFirstFormFansSevenKnivesAimsFourFireballsAndSwoopsInA160FrameU) {
    Enter(stagetest::FlatRoom());
    Marfes marfes;
    marfes.SetPosition(500, 200);
    marfes.attackState = Marfes::Knives;
    marfes.facing = true;
    const auto knives = Watch<LineKnife>(marfes, 61);
    ASSERT_EQ(knives.size(), 7u) << "one every 4 frames from 34 to 58";
    for (size_t i = 0; i < knives.size(); ++i) {
        const int k = static_cast<int>(i) + 1;
        EXPECT_EQ(knives[i].counter, 30 + 4 * k);
        EXPECT_NEAR(knives[i].angle, 3.14f - 0.4f * k, 1e-4) << "knife " << k;
        EXPECT_FLOAT_EQ(knives[i].x, marfes.x);
    }
    EXPECT_EQ(marfes.attackState, Marfes::Hover);

    Marfes facingRight;
    facingRight.SetPosition(500, 200);
    facingRight.attackState = Marfes::Knives;
    facingRight.facing = false;
    const auto rightKnives = Watch<LineKnife>(facingRight, 61);
    ASSERT_EQ(rightKnives.size(), 7u);
    EXPECT_NEAR(rightKnives[0].angle, 0.4f, 1e-4);
    EXPECT_NEAR(rightKnives[6].angle, 2.8f, 1e-4);

    Marfes aiming;
    aiming.SetPosition(500, 200);
    aiming.attackState = Marfes::Fireballs;
    const auto balls = Watch<LineFireball>(aiming, 61);
    ASSERT_EQ(balls.size(), 4u) << "one every 7 frames from 37 to 58";
    for (size_t i = 0; i < balls.size(); ++i) {
        EXPECT_EQ(balls[i].counter, 37 + 7 * static_cast<int>(i));
        EXPECT_NEAR(balls[i].angle, TowardHeroine(balls[i].x, balls[i].y), 1e-4)
            << "straight at the heroine";
    }

    // The swoop: half a second of wind-up, then down toward her side at 8
    // and up again, 2 a frame across, until it climbs as fast as it fell.
    Marfes diver;
    diver.SetPosition(500, 100);
    diver.attackState = Marfes::WindUp;
    for (int i = 0; i < 31; ++i) {
        diver.Update();
    }
    ASSERT_EQ(diver.attackState, Marfes::Swoop);
    EXPECT_TRUE(diver.facing) << "the heroine is to its left";
    EXPECT_FLOAT_EQ(diver.vx, -2.0f);
    EXPECT_FLOAT_EQ(diver.vy, 8.0f);
    const float top = diver.y;
    const float startX = diver.x;
    float deepest = top;
    int frames = 0;
    while (diver.attackState == Marfes::Swoop && frames < 400) {
        diver.Update();
        deepest = std::max(deepest, diver.y);
        ++frames;
    }
    EXPECT_NEAR(frames, 160, 1);
    EXPECT_NEAR(startX - diver.x, 2.0f * 160, 4.0f);
    EXPECT_NEAR(deepest - top, 8.0f * 8.0f / (2 * 0.1f), 8.0f) << "a dive about 320 deep";
    EXPECT_EQ(diver.attackState, Marfes::Hover);
}

TEST_F(BossAttacks, TheSecondFormFadesInFor200FramesThenFiresTwelveBeamsFromItsWings) {
    Enter(stagetest::FlatRoom());
    Marfes2 second;
    second.SetPosition(400, 250);
    int frames = 0;
    while (second.appearing && frames < 400) {
        second.Update();
        ++frames;
        if (frames == 100) {
            EXPECT_NEAR(second.alpha, 0.5f, 1e-3) << "half seen after 100 frames";
        }
    }
    EXPECT_NEAR(frames, 200, 1) << "0.005 a frame";
    EXPECT_EQ(second.alpha, 1.0f);
    EXPECT_EQ(second.attackState, Marfes2::Hover) << "nothing else happens while it appears";

    // The beam volley: three beams (ahead, and one radian either side) from
    // each of four emitters on its wings, all in one frame.
    const float emitters[4][2] = {{-117, -54}, {-92, -117}, {-149, -126}, {98, -148}};
    for (const bool left : {true, false}) {
        SCOPED_TRACE(left ? "facing left" : "facing right");
        Marfes2 boss;
        boss.SetPosition(400, 250);
        boss.appearing = false;
        boss.facing = left;
        boss.attackState = Marfes2::Beams;
        const auto beams = Watch<Beam>(boss, 1);
        ASSERT_EQ(beams.size(), 12u);
        EXPECT_EQ(boss.attackState, Marfes2::Hover);
        const float ahead = left ? 3.14f : 0.0f;
        for (int e = 0; e < 4; ++e) {
            for (int s = 0; s < 3; ++s) {
                const Fired& beam = beams[e * 3 + s];
                EXPECT_FLOAT_EQ(beam.x, boss.x + (left ? emitters[e][0] : -emitters[e][0]))
                    << "emitter " << e;
                EXPECT_FLOAT_EQ(beam.y, boss.y + emitters[e][1]) << "emitter " << e;
                EXPECT_NEAR(beam.angle, ahead + static_cast<float>(s - 1), 1e-5);
                EXPECT_NEAR(std::hypot(beam.vx, beam.vy), Beam::Speed, 1e-4);
            }
        }
    }

    Marfes2 aiming;
    aiming.SetPosition(400, 250);
    aiming.appearing = false;
    aiming.attackState = Marfes2::Fireballs;
    const auto balls = Watch<LineFireball>(aiming, 61);
    ASSERT_EQ(balls.size(), 7u) << "one every 4 frames from 34 to 58";
    EXPECT_EQ(balls.front().counter, 34);
    EXPECT_EQ(balls.back().counter, 58);
    for (const Fired& ball : balls) {
        EXPECT_NEAR(ball.angle, TowardHeroine(ball.x, ball.y), 1e-4);
    }

    // Its swoop is gentler than the first form's: 5 down, a U of 100 frames.
    Marfes2 diver;
    diver.SetPosition(400, 100);
    diver.appearing = false;
    diver.attackState = Marfes2::WindUp;
    for (int i = 0; i < 31; ++i) {
        diver.Update();
    }
    ASSERT_EQ(diver.attackState, Marfes2::Swoop);
    EXPECT_FLOAT_EQ(diver.vy, 5.0f);
    EXPECT_FLOAT_EQ(std::fabs(diver.vx), 2.0f);
    int swoop = 0;
    while (diver.attackState == Marfes2::Swoop && swoop < 400) {
        diver.Update();
        ++swoop;
    }
    EXPECT_NEAR(swoop, 100, 1);
}
