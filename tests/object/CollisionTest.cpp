#include "../support/EngineFixture.h"
#include "object/RigidObject.h"
#include "player/PlayerBase.h"
#include "world/Block.h"

#include <cmath>

namespace {

Block* AddBlock(ObjectManager& m, float x, float y) {
    Block* b = new Block();
    b->MoveTo(x, y);
    b->left = 0;
    b->top = 0;
    b->right = 32;
    b->bottom = 32;
    m.Add(b);
    return b;
}

struct Box : RigidObject {
    Box(float px, float py) {
        MoveTo(px, py);
        left = -8;
        top = -16;
        right = 8;
        bottom = 0;
    }
};

} // namespace

class Collision : public EngineFixture {};

TEST_F(Collision, CollideXSnapsToTheFaceOnTheSideOfMotion) {
    AddBlock(*app->objects, 100, 0);
    Box moving(80, 20);
    moving.vx = 5; // box right edge would reach 93: no overlap yet
    EXPECT_FALSE(moving.CollideX());
    moving.MoveTo(90, 20); // right edge 98 + 5 enters the block
    EXPECT_TRUE(moving.CollideX());
    EXPECT_FLOAT_EQ(moving.x, 92); // right edge flush with the block's left face
    EXPECT_FLOAT_EQ(moving.vx, 5); // velocity untouched

    Box back(140, 20);
    back.vx = -5;
    EXPECT_TRUE(back.CollideX());
    EXPECT_FLOAT_EQ(back.x, 140); // left edge onto the right face (132 + 8)

    Box still(95, 20); // vx = 0 counts as moving right
    EXPECT_TRUE(still.CollideX());
    EXPECT_FLOAT_EQ(still.x, 92);
}

TEST_F(Collision, TouchingBoxesDoNotOverlap) {
    AddBlock(*app->objects, 100, 0);
    Box touching(92, 20); // right edge at exactly 100
    EXPECT_FALSE(touching.CollideX());
}

TEST_F(Collision, CollideYLandsOnTopOrHitsTheCeiling) {
    AddBlock(*app->objects, 100, 100);
    Box falling(116, 98);
    falling.vy = 4;
    EXPECT_TRUE(falling.CollideY());
    EXPECT_FLOAT_EQ(falling.y, 100);
    Box rising(116, 150);
    rising.vy = -20;
    EXPECT_TRUE(rising.CollideY());
    EXPECT_FLOAT_EQ(rising.y, 148); // top edge on the block's bottom
}

TEST_F(Collision, TurnAtWallChoosesTheSideByFacing) {
    AddBlock(*app->objects, 100, 0);
    Box walker(95, 20);
    walker.vx = 1;
    EXPECT_TRUE(walker.TurnAtWall());
    EXPECT_FLOAT_EQ(walker.x, 92);
    EXPECT_FLOAT_EQ(walker.vx, 0);
    EXPECT_TRUE(walker.facing);
    EXPECT_FALSE(walker.TurnAtWall()) << "after the snap the box no longer overlaps";
}

TEST_F(Collision, LandOnBlockAlwaysGoesOnTopAndStops) {
    AddBlock(*app->objects, 100, 100);
    Box b(116, 120);
    b.vy = -3;
    EXPECT_TRUE(b.LandOnBlock());
    EXPECT_FLOAT_EQ(b.y, 100);
    EXPECT_FLOAT_EQ(b.vy, 0);
}

TEST_F(Collision, TheBlockEarlierInTheListWins) {
    // Equal priorities: the one added later comes first and decides the snap.
    AddBlock(*app->objects, 100, 0);
    AddBlock(*app->objects, 96, 0);
    Box moving(90, 20);
    moving.vx = 5;
    EXPECT_TRUE(moving.CollideX());
    EXPECT_FLOAT_EQ(moving.x, 88);
}

TEST_F(Collision, AimingAtThePlayerUsesAimPoints) {
    PlayerBase player;
    player.MoveTo(100, 200); // aim point (100, 168)
    app->player = &player;
    ViewObject above;
    above.MoveTo(100, 68);
    EXPECT_FLOAT_EQ(above.DistanceToPlayer(), 100);
    EXPECT_FLOAT_EQ(above.AngleToPlayer(), static_cast<float>(3.14159265358979323846 / 2));
    app->player = nullptr;
}
