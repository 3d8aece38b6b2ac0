// The player's moves on small fixed maps: the jump arc and its release rule,
// crouching, walls, ceilings, one-way scaffolding and falling out.
#include "StageTestSupport.h"

#include "lib/myInput.h"

#include <vector>

using stagetest::StageFixture;

namespace {

// The player starts at (80, 352) on the floor at y 384.
const std::vector<std::string>& kFlat = stagetest::FlatRoom();

std::vector<std::string> WithRow(std::vector<std::string> rows, int row, const std::string& line) {
    rows[static_cast<size_t>(row)] = line;
    return rows;
}

class PlayerMovement : public StageFixture {};

} // namespace

TEST_F(PlayerMovement, AHeldJumpRises156PixelsIn25UpdatesAndNeedsARelease) {
    StartStage(kFlat);
    SkipIntro();
    PlayerMary& p = Player();
    ASSERT_EQ(p.y, 384.0f);
    ASSERT_EQ(p.jumpState, PlayerBase::OnGround);
    std::vector<int> moves;
    float last = p.y;
    for (int i = 0; i < 25; ++i) {
        Step(ButtonSub);
        moves.push_back(static_cast<int>(p.y - last));
        last = p.y;
    }
    const std::vector<int> expected = {-12, -12, -11, -11, -10, -10, -9, -9, -8, -8, -7, -7, -6,
                                       -6,  -5,  -5,  -4,  -4,  -3,  -3, -2, -2, -1, -1, 0};
    EXPECT_EQ(moves, expected);
    EXPECT_EQ(p.y, 384.0f - 156.0f);
    Step(ButtonSub);
    EXPECT_EQ(p.jumpState, PlayerBase::Rising) << "vy is exactly 0 at the top";
    Step(ButtonSub);
    EXPECT_EQ(p.jumpState, PlayerBase::Falling);
    // Still holding: she lands and stays down.
    for (int i = 0; i < 60; ++i) {
        Step(ButtonSub);
    }
    EXPECT_EQ(p.y, 384.0f);
    EXPECT_EQ(p.jumpState, PlayerBase::OnGround);
    Step(0);
    Step(ButtonSub);
    EXPECT_EQ(p.jumpState, PlayerBase::Rising) << "a new press jumps again";
}

TEST_F(PlayerMovement, ReleasingTheButtonCutsTheRiseShort) {
    StartStage(kFlat);
    SkipIntro();
    PlayerMary& p = Player();
    Step(ButtonSub);
    Step(ButtonSub);
    EXPECT_EQ(p.vy, -12.0f);
    // Released: every control step while rising adds 1.0 on top of gravity.
    Step(0);
    EXPECT_EQ(p.vy, -10.5f);
    Step(0);
    EXPECT_EQ(p.vy, -9.0f);
    float top = p.y;
    for (int i = 0; i < 30; ++i) {
        Step(0);
        top = std::min(top, p.y);
    }
    EXPECT_GT(top, 384.0f - 156.0f + 60.0f);
    EXPECT_EQ(p.y, 384.0f);
}

TEST_F(PlayerMovement, CrouchingLowersTheHitBoxOnlyOnTheGround) {
    StartStage(kFlat);
    SkipIntro();
    PlayerMary& p = Player();
    const float x = p.x;
    Step(ButtonDown | ButtonRight);
    EXPECT_TRUE(p.crouching);
    EXPECT_EQ(p.hitTop, -32);
    EXPECT_EQ(p.animState, PlayerBase::Crouching);
    Step(ButtonDown | ButtonRight);
    EXPECT_EQ(p.x, x) << "no walking while crouched";
    Step(0);
    EXPECT_FALSE(p.crouching);
    EXPECT_EQ(p.hitTop, -54);
    Step(ButtonSub);
    Step(ButtonSub | ButtonDown);
    EXPECT_FALSE(p.crouching) << "no crouch starts in the air";
    EXPECT_EQ(p.hitTop, -54);
}

TEST_F(PlayerMovement, WallsStopTheBodyAndCeilingsTheHead) {
    auto rows = WithRow(kFlat, 11, "..S...#.............");
    rows = WithRow(rows, 10, "......#.............");
    rows = WithRow(rows, 8, "..#.................");
    StartStage(rows);
    SkipIntro();
    PlayerMary& p = Player();
    ASSERT_EQ(p.x, 80.0f);
    Step(ButtonSub);
    float top = p.y;
    for (int i = 0; i < 40; ++i) {
        Step(ButtonSub);
        top = std::min(top, p.y);
    }
    // The block at row 8 ends at y 288; the head stops 48 pixels above the feet.
    EXPECT_EQ(top, 288.0f + 48.0f);
    EXPECT_EQ(p.y, 384.0f);
    for (int i = 0; i < 40; ++i) {
        Step(ButtonRight);
    }
    EXPECT_EQ(p.x, 6.0f * 32.0f - 16.0f) << "snapped against the wall's left face";
    EXPECT_TRUE(p.facing == false);
    for (int i = 0; i < 60; ++i) {
        Step(ButtonLeft);
    }
    EXPECT_EQ(p.x, 32.0f) << "a fixed screen keeps her 32 pixels from the edge";
}

TEST_F(PlayerMovement, ScaffoldingIsSolidOnlyFromAbove) {
    // Scaffolding at row 9 over the start, and one at her body's height to the right.
    auto rows = WithRow(kFlat, 9, "=====...............");
    rows = WithRow(rows, 11, "..S.......=.........");
    StartStage(rows);
    SkipIntro();
    PlayerMary& p = Player();
    for (int i = 0; i < 20; ++i) {
        Step(ButtonSub);
    }
    for (int i = 0; i < 40; ++i) {
        Step(0);
    }
    EXPECT_EQ(p.y, 9.0f * 32.0f) << "jumped up through it and landed on top";
    EXPECT_EQ(p.jumpState, PlayerBase::OnGround);
    // Walk off its end, then through the low one.
    for (int i = 0; i < 80; ++i) {
        Step(ButtonRight);
    }
    EXPECT_EQ(p.y, 384.0f);
    EXPECT_GT(p.x, 11.0f * 32.0f + 16.0f) << "the low scaffolding is no wall";
}

TEST_F(PlayerMovement, FallingOutMissesAndAfter141FramesRestartsTheStage) {
    auto rows = kFlat;
    for (int r = 12; r < 15; ++r) {
        rows[static_cast<size_t>(r)] = "####................";
    }
    StartStage(rows, 2);
    SkipIntro();
    PlayerMary& p = Player();
    int frame = 0;
    while (p.lifeState == PlayerBase::Alive && frame < 300) {
        Step(ButtonRight);
        ++frame;
    }
    ASSERT_EQ(p.lifeState, PlayerBase::Dying);
    EXPECT_GT(p.y, 530.0f);
    const int timeAtMiss = stage->timeLeft;
    int dyingFrames = 0;
    while (!stage->restartPending && dyingFrames < 300) {
        Step(ButtonRight);
        ++dyingFrames;
    }
    EXPECT_EQ(dyingFrames, 141);
    EXPECT_EQ(stage->timeLeft, timeAtMiss) << "the clock stops while she dies";
    EXPECT_EQ(app->playerRecord->lives, 1);
    EXPECT_EQ(p.lifeState, PlayerBase::Dead);
}

TEST_F(PlayerMovement, TheLastMissAsksForAContinue) {
    auto rows = kFlat;
    rows[12] = rows[13] = rows[14] = "....................";
    StartStage(rows, 0);
    SkipIntro();
    for (int i = 0; i < 200 && !stage->continueTask.lock(); ++i) {
        Step();
    }
    EXPECT_EQ(app->playerRecord->lives, -1);
    EXPECT_FALSE(stage->restartPending);
    EXPECT_TRUE(stage->continueTask.lock() != nullptr);
}

TEST_F(PlayerMovement, TheMapScrollsUnderHerFromTheCentreToItsEnd) {
    std::vector<std::string> rows(15, std::string(30, '.'));
    rows[11][2] = 'S';
    rows[12] = rows[13] = rows[14] = std::string(30, '#');
    StartStage(rows);
    SkipIntro();
    PlayerMary& p = Player();
    ViewMap& view = *stage->map;
    EXPECT_EQ(view.horizontalState, ScrollAtLeft);
    bool scrolledAtCentre = false;
    for (int i = 0; i < 260; ++i) {
        Step(ButtonRight);
        if (view.horizontalState == ScrollFree) {
            scrolledAtCentre = scrolledAtCentre || p.x == 320.0f;
            ASSERT_EQ(p.x, 320.0f);
        }
    }
    EXPECT_TRUE(scrolledAtCentre);
    EXPECT_EQ(view.horizontalState, ScrollAtRight);
    EXPECT_EQ(view.scrollColumn, 10);
    EXPECT_EQ(view.subOffsetX, 0.0f);
    EXPECT_EQ(stage->scrollX, -320.0f) << "the world moved exactly ten columns";
    EXPECT_EQ(p.x, 608.0f);
}
