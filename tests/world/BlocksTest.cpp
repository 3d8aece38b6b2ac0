#include "WorldFixture.h"

#include "world/Block.h"
#include "world/BreakBlock.h"
#include "world/BreakBlockEffect.h"
#include "world/BringBlock.h"
#include "world/Floating.h"
#include "world/Tekyu.h"
#include "world/Toge.h"

#include <algorithm>
#include <cmath>

using namespace worldtest;

namespace {

using WorldBlocks = WorldFixture;

TEST_F(WorldBlocks, BlocksSwallowOnlyTheirFirstShift) {
    AddMap(EmptyMap(1, 1)); // registers the chip sheet
    auto* block = app->objects->Add(new Block(32, 0)).get();
    block->SetPosition(100, 100);
    app->objects->ShiftAll(-10, 0);
    EXPECT_FLOAT_EQ(block->x, 100.0f);
    app->objects->ShiftAll(-10, -5);
    EXPECT_FLOAT_EQ(block->x, 90.0f);
    EXPECT_FLOAT_EQ(block->y, 95.0f);

    recorder->ClearDraws();
    block->x = 12.75f;
    block->Draw();
    ASSERT_EQ(recorder->Draws().size(), 1u);
    EXPECT_EQ(recorder->Draws()[0].texture, "mapchip");
    EXPECT_FLOAT_EQ(recorder->Draws()[0].vertices[0].x + 0.5f, 12.0f) << "drawn at whole pixels";
}

TEST_F(WorldBlocks, BreakBlockCrumblesWhenSteppedOnAndVanishes36FramesLater) {
    auto* block = app->objects->Add(new BreakBlock()).get();
    block->SetPosition(116, 216);
    block->Update();
    EXPECT_FALSE(block->broken) << "nothing happens until the player lands";
    block->steppedOn = true;
    block->Update();
    EXPECT_TRUE(block->broken);
    EXPECT_FALSE(block->steppedOn);
    const auto pieces = All<BreakBlockEffect>();
    ASSERT_EQ(pieces.size(), 16u);
    int minDelay = 100;
    int maxDelay = 0;
    for (const auto* piece : pieces) {
        EXPECT_EQ(piece->delay, 13 + piece->pieceX / 2 - piece->pieceY / 8);
        EXPECT_FLOAT_EQ(piece->x, 100.0f + static_cast<float>(piece->pieceX));
        minDelay = std::min(minDelay, piece->delay);
        maxDelay = std::max(maxDelay, piece->delay);
    }
    EXPECT_EQ(minDelay, 10);
    EXPECT_EQ(maxDelay, 25);
    recorder->ClearDraws();
    block->Draw();
    EXPECT_TRUE(recorder->Draws().empty()) << "a broken block is invisible";
    EXPECT_EQ(UpdatesUntilRemoved(*block, 100), 36) << "solid for 35 more frames";
}

TEST_F(WorldBlocks, BrokenPiecesWaitTheirDelayThenFallFor100Frames) {
    BreakBlockEffect piece(8, 16, 0, 0, 3);
    piece.Update();
    piece.Update();
    EXPECT_FLOAT_EQ(piece.y, 16.0f);
    piece.Update();
    EXPECT_FLOAT_EQ(piece.y, 16.06f);
    // Steps of 0.01 in single precision leave a trace above 0 after 100 of them.
    EXPECT_EQ(UpdatesUntilRemoved(piece, 200), 100) << "101 frames of falling in all";
}

TEST_F(WorldBlocks, FloatingPlatformSwingsAndCarriesThePlayer) {
    PlayerMary& player = AddPlayer(300, 300);
    auto* platform = app->objects->Add(new Floating()).get();
    platform->SetPosition(48, 48);
    EXPECT_FLOAT_EQ(platform->x, 64.0f);
    player.vx = 4.0f;
    platform->steppedOn = true;
    platform->Update();
    EXPECT_FLOAT_EQ(platform->x, 63.0f);
    EXPECT_FLOAT_EQ(player.vx, 3.0f) << "the platform takes the player along";
    EXPECT_FALSE(platform->steppedOn);
    for (int i = 1; i < 101; ++i) {
        platform->Update();
    }
    EXPECT_FALSE(platform->movingLeft) << "turns after passing 100 pixels";
    EXPECT_FLOAT_EQ(platform->x, 64.0f - 101.0f);
    for (int i = 0; i < 202; ++i) {
        platform->Update();
    }
    EXPECT_TRUE(platform->movingLeft);
    EXPECT_FLOAT_EQ(platform->x, 64.0f + 101.0f);
    EXPECT_FLOAT_EQ(player.vx, 3.0f) << "nobody on it: the player is left alone";
}

TEST_F(WorldBlocks, BringBlockClosesBehindThePlayer) {
    PlayerMary& player = AddPlayer(40, 300);
    auto* gate = app->objects->Add(new BringBlock(ChipRect(288, 64))).get();
    gate->SetPosition(100, 250);
    gate->Update();
    EXPECT_FALSE(gate->triggered) << "not touched yet";
    player.MoveTo(110, 300);
    gate->Update();
    EXPECT_TRUE(gate->triggered);
    EXPECT_TRUE(All<Block>().empty());
    player.MoveTo(164, 300);
    gate->Update();
    EXPECT_TRUE(All<Block>().empty()) << "64 pixels right is not yet enough";
    player.MoveTo(40, 300);
    gate->Update();
    player.MoveTo(164.5f, 300);
    gate->Update();
    EXPECT_TRUE(gate->removed);
    const auto blocks = All<Block>();
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_FLOAT_EQ(blocks[0]->x, 100.0f);
    EXPECT_EQ(blocks[0]->chipRect.top, 64);
    app->objects->ShiftAll(-4, 0);
    EXPECT_FLOAT_EQ(blocks[0]->x, 96.0f) << "the new block scrolls with the world at once";
}

TEST_F(WorldBlocks, HazardsHurtOnlyWhenTheBoxesOverlap) {
    PlayerMary& player = AddPlayer(100, 200);
    // Player box: (84, 146) - (116, 200).
    Toge spikes;
    spikes.SetPosition(112 - 4, 180); // box left edge at 112
    Tekyu spot;
    spot.SetPosition(116 - 12, 150); // box left edge exactly on the player's right edge
    spot.Update();
    EXPECT_EQ(player.lifeState, 0) << "touching is not overlapping";
    spikes.Update();
    EXPECT_EQ(player.lifeState, 1);

    player.lifeState = 0;
    player.goalReached = true;
    spikes.Update();
    EXPECT_EQ(player.lifeState, 0) << "no harm after the goal";

    UToge other;
    EXPECT_EQ(other.left, 4);
    EXPECT_EQ(other.top, 4);
    EXPECT_EQ(other.right, 26);
    EXPECT_EQ(other.chipRect.left, 576);
}

TEST_F(WorldBlocks, VerticalTekyuSwingsAroundAScrollingCentre) {
    auto* spot = app->objects->Add(new VerticalTekyu()).get();
    spot->SetPosition(64, 200);
    app->objects->ShiftAll(0, 0); // the placement shift, swallowed
    app->objects->ShiftAll(0, -40);
    EXPECT_FLOAT_EQ(spot->baseY, 160.0f);
    spot->Update();
    EXPECT_NEAR(spot->y, 160.0f + 64.0f * std::sin(0.015f), 1e-4);
    for (int i = 1; i < 105; ++i) {
        spot->Update();
    }
    EXPECT_NEAR(spot->y, 160.0f + 64.0f, 0.05f) << "a quarter swing: 64 pixels below its centre";
}

} // namespace
