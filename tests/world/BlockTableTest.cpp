// The stage's solid and deadly cells as they are made: the boxes the heroine
// stands on or dies on, and the order they are drawn in among the enemies.
#include "../support/EngineFixture.h"

#include "world/Block.h"
#include "world/BreakBlock.h"
#include "world/BringBlock.h"
#include "world/DBlock.h"
#include "world/Floating.h"
#include "world/Scaffolding.h"
#include "world/Tekyu.h"
#include "world/Toge.h"

namespace {

template <typename Cell> void ExpectBox(const Cell& cell, int l, int t, int r, int b) {
    EXPECT_EQ(cell.left, l);
    EXPECT_EQ(cell.top, t);
    EXPECT_EQ(cell.right, r);
    EXPECT_EQ(cell.bottom, b);
}

} // namespace

TEST(BlockTable, CellsHaveTheirBoxesAndDrawBehindOrAmongTheEnemies) {
    const TexRect chip{0, 0, 32, 32};
    Block solid(chip);
    ExpectBox(solid, 0, 0, 32, 32);
    EXPECT_EQ(solid.priority, 1400) << "ground is drawn behind the enemies (1000)";
    ExpectBox(Scaffolding(chip), 0, 0, 32, 1);
    ExpectBox(BreakBlock(), 0, 0, 32, 32);
    ExpectBox(Floating(), -40, -4, 40, 4);
    DBlock hazard(chip);
    ExpectBox(hazard, 0, 0, 32, 32);
    EXPECT_EQ(hazard.priority, 1400);
    ExpectBox(Toge(), 4, 6, 28, 28);
    ExpectBox(UToge(), 4, 4, 26, 28);
    ExpectBox(Tekyu(), 12, 12, 20, 20);
    ExpectBox(VerticalTekyu(), 12, 12, 20, 20);
    BringBlock closing(chip);
    EXPECT_EQ(closing.priority, 1000) << "among the enemies, in front of the ground";
    EXPECT_EQ(closing.level, 255);
    EXPECT_FALSE(closing.triggered);
}
