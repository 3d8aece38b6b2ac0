#include "WorldFixture.h"

#include "scene/stage/StageScene.h"
#include "world/Block.h"
#include "world/BreakBlock.h"
#include "world/BringBlock.h"
#include "world/Floating.h"
#include "world/PlaceChip.h"
#include "world/Scaffolding.h"
#include "world/Tekyu.h"
#include "world/Toge.h"
#include "world/items/Coin.h"
#include "world/items/Event.h"
#include "world/items/Goal.h"
#include "world/items/Magazine.h"
#include "world/items/Midpoint.h"
#include "world/items/Oneup.h"

using namespace worldtest;

namespace {

using WorldPlacement = WorldFixture;

// An object that a test registers under a code of its own.
class Probe : public ViewObject {};

TEST_F(WorldPlacement, CoinFromTheChipLayerEmptiesItsCell) {
    world::TileMapData data = EmptyMap(4, 3);
    data.cells[1 + 2 * 4] = Chip(64, 256);
    ViewMap& m = AddMap(std::move(data));
    m.PlaceAll();
    const auto coins = All<Coin>();
    ASSERT_EQ(coins.size(), 1u);
    EXPECT_FLOAT_EQ(coins[0]->x, 48.0f);
    EXPECT_FLOAT_EQ(coins[0]->y, 80.0f);
    EXPECT_TRUE(m.Cell(1, 2).Empty()) << "an active chip is not drawn after placement";
}

TEST_F(WorldPlacement, ObjectCodeOverSceneryKeepsTheScenery) {
    world::TileMapData data = EmptyMap(3, 3);
    data.cells[2 + 1 * 3] = Chip(96, 352, 208);
    ViewMap& m = AddMap(std::move(data));
    m.PlaceAll();
    const auto coins = All<Coin>();
    ASSERT_EQ(coins.size(), 1u);
    EXPECT_FLOAT_EQ(coins[0]->x, 80.0f);
    EXPECT_FLOAT_EQ(coins[0]->y, 48.0f);
    EXPECT_EQ(m.Cell(2, 1).chipX, 96);
    EXPECT_EQ(m.Cell(2, 1).chipY, 352);
    EXPECT_TRUE(All<Block>().empty()) << "scenery is never solid";
}

TEST_F(WorldPlacement, ChipsWithoutARuleBecomeSolidBlocksThatLookLikeThem) {
    world::TileMapData data = EmptyMap(3, 1);
    data.cells[0] = Chip(0, 0, 1102); // object code of a chip without a rule
    data.cells[1] = Chip(64, 96);     // an active chip without a rule
    data.cells[2] = Chip(0, 64);      // scaffolding
    AddMap(std::move(data)).PlaceAll();
    const auto blocks = All<Block>();
    ASSERT_EQ(blocks.size(), 3u);
    // Blocks are inserted in front of equal priorities: the last placed comes first.
    const Block* scaffolding = blocks[0];
    const Block* solid = blocks[1];
    const Block* unknown = blocks[2];
    EXPECT_EQ(unknown->chipRect.left, 352);
    EXPECT_EQ(unknown->chipRect.top, 64);
    EXPECT_EQ(unknown->chipRect.right, 384);
    EXPECT_EQ(unknown->chipRect.bottom, 96);
    EXPECT_FALSE(unknown->IsScaffolding());
    EXPECT_FLOAT_EQ(unknown->x, 0.0f);
    EXPECT_EQ(solid->chipRect.left, 64);
    EXPECT_FLOAT_EQ(solid->x, 32.0f);
    EXPECT_EQ(solid->bottom, 32);
    ASSERT_NE(dynamic_cast<const Scaffolding*>(scaffolding), nullptr);
    EXPECT_TRUE(scaffolding->IsScaffolding());
    EXPECT_FLOAT_EQ(scaffolding->x, 64.0f);
    EXPECT_EQ(scaffolding->bottom, 1) << "a 32 x 1 strip at the top of its cell";
}

TEST_F(WorldPlacement, EachKindGoesWhereItsRuleSays) {
    world::TileMapData data = EmptyMap(12, 2);
    const world::MapCell row0[] = {Chip(160, 32),  Chip(32, 256),  Chip(0, 256),   Chip(96, 256),
                                   Chip(128, 256), Chip(160, 256), Chip(192, 256), Chip(288, 32),
                                   Chip(544, 0),   Chip(576, 0),   Chip(608, 0),   Chip(608, 32)};
    for (int i = 0; i < 12; ++i) {
        data.cells[static_cast<std::size_t>(i)] = row0[i];
    }
    data.cells[12] = Chip(0, 288);  // boss marker at (0, 1)
    data.cells[13] = Chip(32, 288); // boss-goal marker at (1, 1)
    data.cells[14] = Chip(0, 224);  // a flame jet: no object until the enemy kinds exist
    AddMap(std::move(data)).PlaceAll();

    // Made at the cell's centre, the crumbling block moves back to the corner.
    ASSERT_EQ(All<BreakBlock>().size(), 1u);
    EXPECT_FLOAT_EQ(First<BreakBlock>()->x, 0.0f);
    EXPECT_FLOAT_EQ(First<BreakBlock>()->y, 0.0f);
    // The platform centres on the cell's bottom-right corner.
    EXPECT_FLOAT_EQ(First<Floating>()->x, 64.0f);
    EXPECT_FLOAT_EQ(First<Floating>()->y, 32.0f);
    // The goal stands on the cell's bottom edge.
    EXPECT_FLOAT_EQ(First<Goal>()->x, 80.0f);
    EXPECT_FLOAT_EQ(First<Goal>()->y, 16.0f - 176.0f);
    EXPECT_FLOAT_EQ(First<Magazine>()->baseY, 16.0f);
    EXPECT_FLOAT_EQ(First<Midpoint>()->x, 144.0f);
    EXPECT_FLOAT_EQ(First<Oneup>()->x, 176.0f);
    ASSERT_NE(First<Event>(), nullptr);
    EXPECT_EQ(First<Event>()->name, "1");
    EXPECT_FLOAT_EQ(First<Event>()->x, 192.0f) << "a trigger sits on the cell's corner";
    ASSERT_NE(First<BringBlock>(), nullptr);
    EXPECT_EQ(First<BringBlock>()->chipRect.left, 288);
    EXPECT_EQ(First<BringBlock>()->chipRect.top, 32);
    EXPECT_FLOAT_EQ(All<Toge>().back()->x, 256.0f);
    EXPECT_EQ(All<Toge>().size(), 2u) << "spikes of both kinds";
    EXPECT_EQ(All<UToge>().size(), 1u);
    EXPECT_EQ(All<Tekyu>().size(), 2u);
    ASSERT_EQ(All<VerticalTekyu>().size(), 1u);
    EXPECT_FLOAT_EQ(First<VerticalTekyu>()->x, 352.0f);
    // Hazards are not solid; the only solid things are the crumbling block and the platform.
    EXPECT_EQ(All<Block>().size(), 2u);
    EXPECT_EQ(stage->boss, std::make_pair(0, 1));
    EXPECT_EQ(stage->bossGoal, std::make_pair(1, 1));
}

TEST_F(WorldPlacement, TwoStartMarkersStartTheStageAtTheFirst) {
    // With the real stage scene: the second marker finds a start recorded.
    struct MarkerStage : StageScene {
        MarkerStage() : StageScene(0) {}
    };
    auto scene = std::make_shared<MarkerStage>();
    app->scene = scene;
    stage = nullptr; // the recording scene is gone
    world::TileMapData data = EmptyMap(40, 15);
    data.cells[30 + 5 * 40] = Chip(224, 288);
    data.cells[2 + 9 * 40] = Chip(224, 288);
    ViewMap& m = AddMap(std::move(data));
    scene->map = &m;
    m.PlaceAll();
    EXPECT_TRUE(scene->startRecorded);
    EXPECT_EQ(scene->startColumn, 20) << "the view stops at the map's right end";
    EXPECT_FLOAT_EQ(scene->startX, 10.0f * 32.0f + 16.0f);
    EXPECT_FLOAT_EQ(scene->startY, 5.0f * 32.0f);
}

TEST_F(WorldPlacement, RegisteredCreatorsComeFirstAndSleepOffScreen) {
    constexpr int code = 1209; // no rule of the world's own
    RegisterChipCreator(code, [] { return std::make_unique<Probe>(); });
    world::TileMapData data = EmptyMap(30, 2);
    data.cells[0] = Chip(384, 288);
    data.cells[25] = Chip(384, 288);
    data.cells[26] = Chip(64, 0); // a block far to the right
    AddMap(std::move(data)).PlaceAll();
    const auto probes = All<Probe>();
    ASSERT_EQ(probes.size(), 2u);
    EXPECT_TRUE(All<Block>().size() == 1u) << "the creator replaced the block rule";
    EXPECT_FALSE(probes[1]->asleep);
    EXPECT_FLOAT_EQ(probes[1]->x, 16.0f);
    EXPECT_TRUE(probes[0]->asleep) << "outside the first screen";
    EXPECT_TRUE(First<Block>()->asleep);
    EXPECT_FALSE(First<Block>()->skipShift) << "the zero shift after placement was swallowed";
}

TEST_F(WorldPlacement, CirclingFireballChipsAreBlocksWithAnOptionalRider) {
    world::TileMapData data = EmptyMap(2, 1);
    data.cells[0] = Chip(256, 0);
    AddMap(world::TileMapData(data)).PlaceAll();
    EXPECT_EQ(All<Block>().size(), 1u);
    EXPECT_TRUE(All<Probe>().empty());

    int direction = -1;
    RegisterGuruguruCreator([&direction](int d) {
        direction = d;
        return std::make_unique<Probe>();
    });
    app->objects->Clear();
    data.cells[1] = Chip(256, 32);
    AddMap(std::move(data)).PlaceAll();
    RegisterGuruguruCreator(nullptr);
    EXPECT_EQ(All<Block>().size(), 2u);
    ASSERT_EQ(All<Probe>().size(), 2u);
    EXPECT_EQ(direction, 1);
    EXPECT_FLOAT_EQ(All<Probe>()[0]->x, 48.0f);
    EXPECT_FLOAT_EQ(All<Probe>()[0]->y, 16.0f);
}

} // namespace
