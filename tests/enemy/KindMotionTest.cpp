// How the enemy kinds move: walkers at ledges and walls, the hopper's bounce,
// the patrols (walls at head height too), the hover, the homing, the
// marionette's drift and the circling fireball.
#include "KindTestSupport.h"

#include "enemy/Brain.h"
#include "enemy/Death.h"
#include "enemy/Ghost.h"
#include "enemy/Guruguru.h"
#include "enemy/Marionette.h"
#include "enemy/Mecha.h"
#include "enemy/Met.h"
#include "enemy/Monoeye.h"
#include "enemy/PataPata.h"
#include "enemy/PataPataFloat.h"
#include "enemy/Togezo.h"
#include "resource/CTexture.h"
#include "world/Block.h"

#include <algorithm>
#include <cmath>

using kindtest::KindFixture;

namespace {
using KindMotion = KindFixture;
} // namespace

TEST_F(KindMotion, BrainPacesAOneBlockLedgeWithoutFalling) {
    Build({
        "..........",
        ".....B....",
        ".....#....",
    });
    Brain* brain = First<Brain>();
    ASSERT_NE(brain, nullptr);
    EXPECT_EQ(brain->y, 48.0f);
    int turns = 0;
    bool facing = brain->facing;
    float lowest = brain->x;
    float highest = brain->x;
    for (int i = 0; i < 400; ++i) {
        brain->Update();
        EXPECT_EQ(brain->y, 48.0f) << "update " << i;
        turns += brain->facing != facing;
        facing = brain->facing;
        lowest = std::min(lowest, brain->x);
        highest = std::max(highest, brain->x);
    }
    EXPECT_GE(turns, 4);
    // The one-pixel probe under its middle keeps the middle over the block.
    EXPECT_GE(lowest, 160.0f - 1.5f);
    EXPECT_LE(highest, 192.0f + 1.5f);
}

TEST_F(KindMotion, WalkersTurnAtWalls) {
    Build({
        "..........",
        "..#.O..B#.",
        "##########",
    });
    Brain* brain = First<Brain>();
    Monoeye* eye = First<Monoeye>();
    ASSERT_TRUE(brain && eye);
    EXPECT_EQ(eye->y, 48.0f - 10.0f) << "placed ten pixels up";
    Run(*brain, 10);
    EXPECT_TRUE(brain->facing) << "walks left first";
    Run(*eye, 100);
    EXPECT_FALSE(eye->facing) << "turned at the wall on its left";
    EXPECT_GE(eye->x + eye->left, 96.0f);
    EXPECT_FLOAT_EQ(eye->y, 36.0f) << "standing on the floor";
    brain->facing = false;
    brain->vx = 0.5f;
    Run(*brain, 100);
    EXPECT_TRUE(brain->facing) << "turned at the wall on its right";
    EXPECT_LE(brain->x + brain->right, 256.0f);
}

TEST_F(KindMotion, MetWalksOffLedgesAndFallsUnderCappedGravity) {
    Build({
        "....E.....",
        "...###....",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "##########",
    });
    Met* met = First<Met>();
    ASSERT_NE(met, nullptr);
    float topSpeed = 0.0f;
    bool fell = false;
    for (int i = 0; i < 250; ++i) {
        const float vyBefore = met->vy;
        met->Update();
        topSpeed = std::max(topSpeed, met->vy);
        if (met->y > 64.0f) {
            fell = true;
        }
        if (fell && vyBefore > 0.0f && met->vy > vyBefore) {
            EXPECT_LE(met->vy - vyBefore, 0.3f + 1e-5f);
        }
    }
    EXPECT_TRUE(fell) << "walked off the ledge";
    EXPECT_FLOAT_EQ(topSpeed, 5.0f);
    EXPECT_FLOAT_EQ(met->y + met->bottom, 256.0f) << "landed on the floor";
    EXPECT_LT(met->x, 96.0f) << "kept walking left";
}

TEST_F(KindMotion, TogezoCrawlsSlowerAndTurnsAtAWall) {
    Build({
        "..........",
        ".#.T......",
        "##########",
    });
    Togezo* t = First<Togezo>();
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->y, 48.0f - 5.0f);
    Run(*t, 2);
    const float x0 = t->x;
    t->Update();
    EXPECT_FLOAT_EQ(t->x, x0 - 0.3f);
    Run(*t, 200);
    EXPECT_FALSE(t->facing);
    EXPECT_GE(t->x + t->left, 64.0f);
}

TEST_F(KindMotion, PataPataBouncesOffTheFloorAndACeilingStopsItsRise) {
    Build({
        "..........",
        "..........",
        "......P...",
        "..........",
        "##########",
    });
    PataPata* p = First<PataPata>();
    ASSERT_NE(p, nullptr);
    float landedAt = 0.0f;
    for (int i = 0; i < 200 && landedAt == 0.0f; ++i) {
        p->Update();
        if (p->vy == -4.0f) {
            landedAt = p->y;
        }
    }
    EXPECT_FLOAT_EQ(landedAt, 128.0f - 20.0f) << "snapped onto the floor, then bounced";
    EXPECT_FLOAT_EQ(p->vx, -0.5f);

    // A ceiling right above: the rise stops dead against it.
    auto* ceiling = app->objects->Add(new Block(32, 0)).get();
    ceiling->SetPosition(p->x - 16.0f, p->y - 20.0f - 32.0f - 2.0f);
    p->vy = -4.0f;
    p->Update();
    EXPECT_EQ(p->vy, 0.0f);
    EXPECT_FLOAT_EQ(p->y + p->top, ceiling->y + 32.0f);
}

TEST_F(KindMotion, DeathAndTheHoverStandStillAwayFromTheScreen) {
    Build({".."});
    auto* death = app->objects->Add(new Death()).get();
    auto* hover = app->objects->Add(new PataPataFloat()).get();
    // Awake (inside -32..512) but above the top edge.
    death->SetPosition(300.0f, -20.0f + Death::Lift);
    hover->SetPosition(300.0f, 495.0f);
    ASSERT_FALSE(death->asleep);
    ASSERT_FALSE(hover->asleep);
    EXPECT_EQ(death->y, -20.0f);
    Run(*death, 50);
    Run(*hover, 50);
    EXPECT_EQ(death->x, 300.0f);
    EXPECT_EQ(hover->y, 495.0f);
    EXPECT_EQ(hover->phase, 0.0f);
    // Brought on screen, the hover bobs around its base line.
    hover->SetPosition(300.0f, 240.0f);
    Run(*hover, 105);
    EXPECT_NEAR(hover->y, 240.0f + std::sin(105 * 0.015f) * 64.0f, 0.01f);
    hover->Shift(0.0f, -100.0f);
    EXPECT_EQ(hover->baseY, 140.0f) << "its base line scrolls with the world";
    hover->Update();
    EXPECT_NEAR(hover->y, 140.0f + std::sin(hover->phase) * 64.0f, 0.01f);
}

// Placed near the bottom edge, a hover bobs past y 480 and back: whether it
// stands still goes by its base line, not by where the bob took it.
TEST_F(KindMotion, AHoverPlacedNearTheBottomKeepsBobbingPastTheEdge) {
    Build({".."});
    auto* hover = app->objects->Add(new PataPataFloat()).get();
    hover->SetPosition(300.0f, 470.0f);
    float lowest = hover->y;
    for (int i = 1; i <= 420; ++i) {
        hover->Update();
        lowest = std::max(lowest, hover->y);
        ASSERT_NEAR(hover->y, 470.0f + std::sin(i * 0.015f) * 64.0f, 0.01f) << "update " << i;
    }
    EXPECT_GT(lowest, 530.0f) << "it reached the bottom of its bob";
    EXPECT_LT(hover->y, 480.0f) << "and came back up";
}

TEST_F(KindMotion, DeathAndMechaPatrolBetweenAWallAndTheFloorsEnd) {
    Build({
        "............",
        "............",
        "............",
        ".#.D..H.....",
        ".#######....",
    });
    Death* death = First<Death>();
    Mecha* mecha = First<Mecha>();
    ASSERT_TRUE(death && mecha);
    EXPECT_EQ(death->y, 112.0f - 29.0f);
    EXPECT_EQ(mecha->y, 112.0f - 21.0f);
    float deathLow = death->x, deathHigh = death->x;
    float mechaLow = mecha->x, mechaHigh = mecha->x;
    int deathTurns = 0, mechaTurns = 0;
    for (int i = 0; i < 1500; ++i) {
        const bool df = death->facing;
        const bool mf = mecha->facing;
        death->Update();
        mecha->Update();
        deathTurns += df != death->facing;
        mechaTurns += mf != mecha->facing;
        deathLow = std::min(deathLow, death->x);
        deathHigh = std::max(deathHigh, death->x);
        mechaLow = std::min(mechaLow, mecha->x);
        mechaHigh = std::max(mechaHigh, mecha->x);
        EXPECT_EQ(death->y, 83.0f);
    }
    EXPECT_GE(deathTurns, 3);
    EXPECT_GE(mechaTurns, 3);
    // The wall's right face at x 64 holds the body (x - 16) back ...
    EXPECT_GE(deathLow, 64.0f + 16.0f - 0.01f);
    EXPECT_LT(deathLow, 64.0f + 17.0f);
    EXPECT_GE(mechaLow, 80.0f - 0.01f);
    // ... and the floor ends at x 256: the leading point never leaves it.
    EXPECT_LE(deathHigh, 256.0f + 1.0f);
    EXPECT_GT(deathHigh, 254.0f);
    EXPECT_LE(mechaHigh, 256.0f + 1.0f);
}

// The reaper's body reaches 29 pixels above its position: a stone hanging at
// head height turns it, though nothing stands in the way of its feet.
TEST_F(KindMotion, DeathTurnsAtAStoneHangingAtHeadHeight) {
    Build({
        "............",
        ".....#......",
        "............",
        ".#.D........",
        ".#######....",
    });
    Death* death = First<Death>();
    ASSERT_NE(death, nullptr);
    float highest = death->x;
    int turns = 0;
    for (int i = 0; i < 1000; ++i) {
        const bool facing = death->facing;
        death->Update();
        turns += facing != death->facing;
        highest = std::max(highest, death->x);
    }
    EXPECT_GE(turns, 3);
    // Body top 112 - 29 - 29 = 54, inside the stone's row (32 to 64): its
    // left face at x 160 holds the body (x + 16) back.
    EXPECT_LE(highest, 160.0f - 16.0f + 0.01f);
    EXPECT_GT(highest, 160.0f - 17.0f);
}

TEST_F(KindMotion, GhostHomesInOnTheHeroine) {
    Build({".."});
    PlayerMary& player = AddPlayer(100.0f, 300.0f);
    auto* ghost = app->objects->Add(new Ghost()).get();
    ghost->SetPosition(400.0f, 268.0f);
    ghost->Update();
    // Her aim point is 32 above her feet: straight left of the ghost.
    EXPECT_FLOAT_EQ(ghost->x, 399.0f);
    EXPECT_NEAR(ghost->y, 268.0f, 1e-4f);
    EXPECT_TRUE(ghost->facing);
    player.MoveTo(500.0f, 300.0f);
    ghost->Update();
    EXPECT_FALSE(ghost->facing);
}

// The marionette drifts straight at her aim point, 0.3 pixels a frame in any
// direction: slow enough to outrun, in a line a player can read.
TEST_F(KindMotion, TheMarionetteDriftsStraightAtTheHeroineAtThreeTenthsOfAPixel) {
    Build({".."});
    AddPlayer(100.0f, 432.0f);
    auto* puppet = app->objects->Add(new Marionette()).get();
    puppet->SetPosition(400.0f, 100.0f);
    const float startX = puppet->x;
    const float startY = puppet->y;
    for (int frame = 1; frame <= 100; ++frame) {
        const float x = puppet->x;
        const float y = puppet->y;
        puppet->Update();
        ASSERT_NEAR(std::hypot(puppet->x - x, puppet->y - y), Marionette::Speed, 1e-4f)
            << "frame " << frame;
    }
    const float dx = puppet->x - startX;
    const float dy = puppet->y - startY;
    EXPECT_NEAR(std::hypot(dx, dy), 30.0f, 0.01f) << "100 frames";
    EXPECT_LT(dx, 0.0f) << "towards her, down and to the left";
    EXPECT_GT(dy, 0.0f);
    // She stands 300 to the left and 300 lower (her aim point 32 above her
    // feet): the path runs close to the diagonal.
    EXPECT_NEAR(dy / -dx, (432.0f - 32.0f - startY) / (startX - 100.0f), 0.05f);
    EXPECT_TRUE(puppet->facing) << "she is to its left";
}

TEST_F(KindMotion, TheCirclingFireballKeepsItsCircleWhileTheMapScrolls) {
    Build({
        ".....",
        ".c.a.",
        ".....",
    });
    const auto balls = All<Guruguru>();
    ASSERT_EQ(balls.size(), 2u);
    Guruguru* clockwise = balls[0]->facing ? balls[1] : balls[0];
    Guruguru* anticlockwise = balls[0]->facing ? balls[0] : balls[1];
    EXPECT_EQ(clockwise->centreX, 48.0f);
    EXPECT_EQ(anticlockwise->centreX, 112.0f);
    clockwise->Update();
    anticlockwise->Update();
    EXPECT_GT(clockwise->y, 48.0f) << "angle grows: clockwise on screen";
    EXPECT_LT(anticlockwise->y, 48.0f);
    for (int i = 0; i < 100; ++i) {
        app->objects->ShiftAll(-3.0f, 1.0f);
        clockwise->Update();
        const float dx = clockwise->x - clockwise->centreX;
        const float dy = clockwise->y - clockwise->centreY;
        EXPECT_NEAR(std::sqrt(dx * dx + dy * dy), 64.0f, 0.01f);
    }
    EXPECT_FLOAT_EQ(clockwise->centreX, 48.0f - 300.0f);
    EXPECT_FLOAT_EQ(clockwise->centreY, 48.0f + 100.0f);
    // The block it circles moved the same way.
    const Block* block = All<Block>().back();
    EXPECT_FLOAT_EQ(block->x + 16.0f, clockwise->centreX);

    // Like every sprite, the one facing left (anticlockwise) is drawn mirrored.
    DeclareImage("gfx/enemy/guruguru.tga", 96, 32);
    CTexture sheet;
    sheet.Load("Guruguru", "gfx/enemy/guruguru.tga", false);
    recorder->ClearDraws();
    anticlockwise->animation = clockwise->animation;
    clockwise->Draw();
    anticlockwise->Draw();
    ASSERT_EQ(recorder->Draws().size(), 2u);
    const auto& plain = recorder->Draws()[0].vertices;
    const auto& mirrored = recorder->Draws()[1].vertices;
    EXPECT_LT(plain[0].x, plain[1].x);
    EXPECT_GT(mirrored[0].x, mirrored[1].x);
    EXPECT_EQ(mirrored[0].u, plain[0].u) << "the same frame, mirrored";
}
