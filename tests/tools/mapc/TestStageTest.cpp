#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "tools/mapc/ChipCode.h"
#include "tools/mapc/Tm2File.h"

namespace {

// What a code turns into when the stage is built, as far as walking the
// course is concerned.
enum class Role { Nothing, Solid, Scaffold, Floating, Hazard, Other };

Role RoleOf(int code) {
    static const std::set<int> scaffolds = {2, 3, 102, 103};
    static const std::set<int> hazards = {6,   5,   105, 205,  305,  405,  505, 605,
                                          705, 805, 905, 1700, 1800, 1900, 1901};
    static const std::set<int> others = {7,   8,   9,   107, 109, 207, 208, 307, 308, 407, 408,
                                         507, 508, 608, 609, 708, 709, 808, 901, 902, 908};
    if (code == 0) {
        return Role::Nothing;
    }
    if (scaffolds.count(code) != 0) {
        return Role::Scaffold;
    }
    if (code == 108) {
        return Role::Floating;
    }
    if (hazards.count(code) != 0) {
        return Role::Hazard;
    }
    if (others.count(code) != 0) {
        return Role::Other;
    }
    return Role::Solid; // every other active chip, and scenery codes placed as objects
}

class TestStage : public ::testing::Test {
protected:
    void SetUp() override {
        std::ifstream in(VRELS_GAME_DIR "/map/test.tm2", std::ios::binary);
        ASSERT_TRUE(in) << "map/test.tm2 is missing from the game folder";
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                              std::istreambuf_iterator<char>()};
        const mapc::DecodeResult decoded = mapc::DecodeTm2(bytes);
        ASSERT_TRUE(decoded.ok) << decoded.error;
        ASSERT_TRUE(decoded.warnings.empty());
        map_ = decoded.map;
    }

    // The codes placed on a cell: its chip when it is an active one, then its object.
    std::vector<int> CodesAt(int column, int row) const {
        std::vector<int> codes;
        const mapc::Cell& cell = map_.At(column, row);
        const auto chip = mapc::ChipCodeOf({cell.chipX, cell.chipY});
        if (chip && *chip != 0 && *chip % 100 < mapc::kFirstSceneryRow) {
            codes.push_back(*chip);
        }
        if (cell.objectCode != 0) {
            codes.push_back(cell.objectCode);
        }
        return codes;
    }

    bool Has(int column, int row, Role role) const {
        if (column < 0 || column >= map_.width || row < 0 || row >= map_.height) {
            return false;
        }
        for (int code : CodesAt(column, row)) {
            if (RoleOf(code) == role) {
                return true;
            }
        }
        return false;
    }

    // Top row of the lowest solid run in a column (the ground the player walks
    // on), or -1 over a pit. Blocks high up in the air are not ground.
    int FloorRow(int column) const {
        const int highestGround = map_.height - 8;
        int row = map_.height - 1;
        while (row >= highestGround && !Has(column, row, Role::Solid)) {
            --row;
        }
        if (row < highestGround) {
            return -1;
        }
        while (row > 0 && Has(column, row - 1, Role::Solid)) {
            --row;
        }
        return row;
    }

    std::vector<std::pair<int, int>> Find(int code) const {
        std::vector<std::pair<int, int>> found;
        for (int row = 0; row < map_.height; ++row) {
            for (int column = 0; column < map_.width; ++column) {
                for (int placed : CodesAt(column, row)) {
                    if (placed == code) {
                        found.emplace_back(column, row);
                    }
                }
            }
        }
        return found;
    }

    mapc::TileMap map_;
};

TEST_F(TestStage, ShowsEveryBlockHazardAndItem) {
    EXPECT_EQ(map_.header, mapc::StandardHeader());
    EXPECT_EQ(map_.height, 15) << "one screen high";
    EXPECT_GT(map_.width, 40) << "long enough to scroll";
    EXPECT_EQ(Find(mapc::kStartMarkerCode).size(), 1u);
    const std::map<int, const char*> required = {
        {8, "goal"},      {408, "checkpoint"},      {208, "coin"},        {308, "magazine"},
        {508, "1up"},     {501, "crumbling"},       {108, "floating"},    {800, "chained block"},
        {1700, "spikes"}, {1800, "hanging spikes"}, {1900, "spike ball"}, {1901, "swinging ball"},
        {608, "event"},
    };
    for (const auto& [code, name] : required) {
        EXPECT_FALSE(Find(code).empty()) << name << " (" << code << ")";
    }
    EXPECT_FALSE(Find(2).empty() && Find(3).empty() && Find(102).empty() && Find(103).empty())
        << "scaffolding";
    EXPECT_FALSE(Find(901).empty() && Find(902).empty()) << "closing passage";
    EXPECT_GE(Find(6).size(), 3u) << "practice targets";

    bool coinOverScenery = false;
    for (const mapc::Cell& cell : map_.cells) {
        coinOverScenery |= cell.objectCode == 208 && cell.chipY >= 320;
    }
    EXPECT_TRUE(coinOverScenery) << "a coin placed over scenery through the object layer";
}

// A coarse walk along the ground from the start to the goal with the player's
// reach: a held jump rises 156 pixels, and one jump carries her about 200
// pixels at walking speed. Gaps (pits and cells with a hazard on the ground)
// must be jumpable, steps at most four cells high, and she needs two free
// cells of headroom wherever she walks.
TEST_F(TestStage, GroundRouteFromStartToGoalIsPassable) {
    const auto starts = Find(mapc::kStartMarkerCode);
    const auto goals = Find(8);
    ASSERT_EQ(starts.size(), 1u);
    ASSERT_EQ(goals.size(), 1u);
    const int startColumn = starts[0].first;
    const int goalColumn = goals[0].first;
    ASSERT_LT(startColumn, goalColumn);
    ASSERT_EQ(FloorRow(startColumn), starts[0].second + 1) << "start stands on the ground";
    ASSERT_EQ(FloorRow(goalColumn), goals[0].second + 1) << "goal stands on the ground";

    constexpr int kMaxJumpCells = 5; // 160 of the about 200 pixels a jump carries
    constexpr int kMaxStepCells = 4; // 128 of the 156 pixels a jump rises
    int lastFloor = FloorRow(startColumn);
    int gapStart = -1;
    int floatingColumn = -1;
    for (int column = startColumn + 1; column <= goalColumn; ++column) {
        const int floor = FloorRow(column);
        const bool hazardOnGround = floor > 0 && Has(column, floor - 1, Role::Hazard);
        if (floor < 0 || hazardOnGround) {
            if (gapStart < 0) {
                gapStart = column;
            }
            for (int row = 0; row < map_.height; ++row) {
                if (Has(column, row, Role::Floating)) {
                    floatingColumn = column;
                }
            }
            continue;
        }
        if (gapStart >= 0) {
            const int gap = column - gapStart;
            if (floatingColumn < 0) {
                EXPECT_LE(gap, kMaxJumpCells) << "gap of " << gap << " cells at " << gapStart;
            } else {
                // The platform swings 101 pixels each way and is 80 wide; its
                // centre starts on the right edge of its cell.
                const int centre = (floatingColumn + 1) * 32;
                EXPECT_LE(centre - 141 - gapStart * 32, kMaxJumpCells * 32);
                EXPECT_LE(column * 32 - (centre + 141), kMaxJumpCells * 32);
            }
            gapStart = -1;
            floatingColumn = -1;
        }
        EXPECT_LE(lastFloor - floor, kMaxStepCells) << "step up at column " << column;
        for (int row = floor - 2; row < floor; ++row) {
            EXPECT_FALSE(Has(column, row, Role::Solid)) << "no headroom at column " << column;
        }
        lastFloor = floor;
    }
    EXPECT_LT(gapStart, 0) << "the goal is not on the ground";
}

} // namespace
