// Map placement of the enemy kinds, hazards and turrets: which chip makes
// which kind, where it is put, and maps that try to break them.
#include "KindTestSupport.h"

#include "enemy/Brain.h"
#include "enemy/Burner.h"
#include "enemy/Death.h"
#include "enemy/FireBallStand.h"
#include "enemy/Ghost.h"
#include "enemy/Guruguru.h"
#include "enemy/Marionette.h"
#include "enemy/Mecha.h"
#include "enemy/Met.h"
#include "enemy/Monoeye.h"
#include "enemy/PataPata.h"
#include "enemy/PataPataFloat.h"
#include "enemy/Togezo.h"
#include "world/Block.h"
#include "world/PlaceChip.h"

#include <chrono>
#include <cmath>
#include <typeinfo>

using kindtest::KindFixture;

namespace {

using EnemyPlacement = KindFixture;

struct Expected {
    int chipX;
    int chipY;
    const char* kind;
    float dy; // offset from the cell's centre
};

} // namespace

TEST_F(EnemyPlacement, EveryEnemyChipMakesItsKindOnTheCellsCentre) {
    const Expected table[] = {
        {0, 160, "Brain", 0},           {32, 160, "Met", 0},       {64, 160, "Togezo", -5},
        {96, 160, "Mecha", -21},        {128, 160, "Death", -29},  {160, 160, "Monoeye", -10},
        {192, 160, "PataPataFloat", 0}, {224, 160, "PataPata", 0}, {256, 160, "Ghost", 0},
        {288, 160, "Marionette", 0},    {0, 192, "Dummy", 0},
    };
    for (const Expected& e : table) {
        app->objects->Clear();
        world::TileMapData data = worldtest::EmptyMap(4, 4);
        data.cells[2 + 3 * 4] = worldtest::Chip(e.chipX, e.chipY);
        AddMap(std::move(data)).PlaceAll();
        const auto enemies = All<EnemyBase>();
        ASSERT_EQ(enemies.size(), 1u) << e.kind;
        EXPECT_EQ(enemies[0]->KindName(), e.kind);
        EXPECT_EQ(enemies[0]->x, 80.0f) << e.kind;
        EXPECT_EQ(enemies[0]->y, 112.0f + e.dy) << e.kind;
        EXPECT_TRUE(All<Block>().empty()) << e.kind << " fell to the block rule";
        EXPECT_TRUE(HasChipCreator(ChipCode(e.chipX, e.chipY)));
    }
}

TEST_F(EnemyPlacement, FlameJetsTurretsAndFireballBlocksTakeTheirDirections) {
    Build({
        "<>^vLRca",
    });
    const auto jets = All<Burner>();
    ASSERT_EQ(jets.size(), 4u);
    // Later placements stand earlier in the list among equal priorities.
    EXPECT_EQ(jets[3]->direction, Burner::Left);
    EXPECT_EQ(jets[3]->x, 16.0f - 16.0f);
    EXPECT_EQ(jets[2]->direction, Burner::Right);
    EXPECT_EQ(jets[2]->x, 48.0f + 16.0f);
    EXPECT_EQ(jets[1]->direction, Burner::Up);
    EXPECT_EQ(jets[1]->y, 0.0f);
    EXPECT_EQ(jets[0]->direction, Burner::Down);
    EXPECT_EQ(jets[0]->y, 32.0f);
    const auto stands = All<FireBallStand>();
    ASSERT_EQ(stands.size(), 2u);
    EXPECT_EQ(stands[1]->direction, 0);
    EXPECT_EQ(stands[1]->x, 144.0f);
    EXPECT_EQ(stands[0]->direction, 1);
    EXPECT_EQ(stands[0]->y, 16.0f);
    const auto balls = All<Guruguru>();
    ASSERT_EQ(balls.size(), 2u);
    EXPECT_FALSE(balls[1]->facing) << "chip 800: direction 0";
    EXPECT_TRUE(balls[0]->facing) << "chip 801: direction 1";
    EXPECT_EQ(balls[1]->centreX, 208.0f);
    const auto blocks = All<Block>();
    ASSERT_EQ(blocks.size(), 2u) << "only the fireballs' blocks are solid";
    EXPECT_EQ(blocks[1]->x, 192.0f);
    EXPECT_EQ(blocks[1]->chipRect.left, 256);
    EXPECT_EQ(blocks[0]->chipRect.top, 32);
}

TEST_F(EnemyPlacement, EdgesTinyMapsAndSolidRockDoNotTrapOrBreakTheKinds) {
    AddPlayer(320.0f, 200.0f);
    const char* kinds = "BETHDOFPGN<>^vLRca";
    // Each kind alone in a one-cell map, and each kind buried in rock at the
    // map's corner: every one is still made.
    for (const char* k = kinds; *k; ++k) {
        const size_t before = app->objects->Count();
        Build({std::string(1, *k)});
        EXPECT_GT(app->objects->Count(), before) << "'" << *k << "' alone made nothing";
        const size_t alone = app->objects->Count();
        Build({
            std::string(1, *k) + "##",
            "###",
        });
        EXPECT_GT(app->objects->Count(), alone + 5) << "'" << *k << "' in rock: it and the rock";
    }
    const size_t placed = app->objects->Count();
    // Ten seconds of play: nothing is flung away or lost to a bad number, and
    // turrets and jets do not pile up shots without end.
    for (int i = 0; i < 600; ++i) {
        app->objects->UpdateAll();
        app->objects->DrawAll();
    }
    int enemies = 0;
    for (const auto& object : app->objects->Objects()) {
        const auto* view = dynamic_cast<const ViewObject*>(object.get());
        if (!view || object->removed) {
            continue;
        }
        ASSERT_TRUE(std::isfinite(view->x) && std::isfinite(view->y)) << typeid(*view).name();
        // A walker in a map without a floor falls out of sight for good;
        // nothing may be thrown sideways or upwards.
        EXPECT_LT(std::fabs(view->x), 2000.0f) << typeid(*view).name();
        EXPECT_GT(view->y, -2000.0f) << typeid(*view).name();
        enemies += dynamic_cast<const EnemyBase*>(view) ? 1 : 0;
    }
    EXPECT_GT(enemies, 0);
    EXPECT_LT(app->objects->Count(), placed + 200) << "shots pile up";
}

TEST_F(EnemyPlacement, AScreenFullOfEnemiesStaysCheap) {
    AddPlayer(320.0f, 470.0f);
    std::vector<std::string> rows(15, std::string(20, 'B'));
    rows[3] = std::string(20, 'N');
    rows[6] = std::string(20, 'T');
    rows[14] = std::string(20, '#');
    Build(rows);
    EXPECT_EQ(CountOf<EnemyBase>(), 14 * 20);
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 120; ++i) {
        app->objects->UpdateAll();
    }
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count(), 5000)
        << "two seconds of play";
}
