// The pictures inside the masses of the shipped maps. A solid block deep
// inside a mass of ground may show a scenery picture (its object code, over
// an empty chip) instead of the fill, so that long walls read as
// architecture; play must never come near one: every cell within two of it,
// diagonals included, lies in the map and is another such block or a plain
// solid block. The masses' shade, deep shade and piers are plain solid
// blocks that only ever stand in for the fill inside a mass, the deep shade
// never right under open air; where they are scenery pictures they are set
// in like the pieces (over an empty chip), but count as masonry, not pieces.
#include "world/PlaceChip.h"
#include "world/TileMapFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int FirstSceneryRow = 10;
constexpr int Margin = 2;

bool EmptyChip(const world::MapCell& cell) {
    return cell.Empty() || (cell.chipX == 0 && cell.chipY == 0);
}

// The tiles of the wall masses (content/maps/src/levelkit.py, MASS_TILES):
// shade, deep shade and pier of each look that has them.
enum class Mass { Shade, Deep, Pier };
const std::map<int, Mass>& MassTiles() {
    static const std::map<int, Mass> tiles = {
        {1305, Mass::Shade}, {1306, Mass::Deep}, {700, Mass::Pier},  // rooftops
        {1307, Mass::Shade}, {1308, Mass::Deep}, {601, Mass::Pier},  // catacombs
        {1309, Mass::Shade}, {1405, Mass::Deep}, {1406, Mass::Pier}, // embers
        {1407, Mass::Shade}, {1408, Mass::Deep}, {1409, Mass::Pier}, // slate
        {1505, Mass::Shade}, {1506, Mass::Deep}, {1507, Mass::Pier}, // frost
        {1508, Mass::Shade}, {1509, Mass::Deep}, {909, Mass::Pier},  // gilded
        {10, Mass::Shade},   {210, Mass::Deep},  {310, Mass::Pier},  // chalk (set in)
        {29, Mass::Shade},   {129, Mass::Deep},  {318, Mass::Pier},  // mansion (set in)
        {510, Mass::Shade},                                          // throne (set in)
        {1019, Mass::Shade}, {1119, Mass::Deep}, {1219, Mass::Pier}, // forest soil, a root (set in)
    };
    return tiles;
}

// The code a solid block shows: its active chip, or its object code over an
// empty chip; 0 for scenery, which is no block.
int Shown(const world::MapCell& cell) {
    if (EmptyChip(cell)) {
        return cell.objectCode;
    }
    return cell.chipY / 32 >= FirstSceneryRow ? 0 : ChipCode(cell.chipX, cell.chipY);
}

bool MassTile(const world::MapCell& cell) {
    return MassTiles().count(Shown(cell)) == 1 && (EmptyChip(cell) || cell.objectCode == 0);
}

bool SetIn(const world::MapCell& cell) {
    return EmptyChip(cell) && cell.objectCode % 100 >= FirstSceneryRow && !MassTile(cell);
}

// Active codes that make something other than a plain solid block: platforms,
// jets, markers, events, gates, fire blocks, hazards (docs/maps.md); items and
// enemies register creators.
bool PlainBlock(const world::MapCell& cell) {
    if (MassTile(cell)) {
        return true;
    }
    static const std::set<int> special = {2,   3,   102, 103, 501, 108,  901,  902,  800, 801,
                                          7,   107, 207, 307, 407, 507,  9,    109,  709, 608,
                                          708, 808, 908, 609, 8,   1700, 1800, 1900, 1901};
    if (EmptyChip(cell) || cell.objectCode != 0 || cell.chipY / 32 >= FirstSceneryRow) {
        return false;
    }
    const int code = ChipCode(cell.chipX, cell.chipY);
    return special.count(code) == 0 && !HasChipCreator(code);
}

std::vector<std::pair<std::string, world::TileMapData>> ShippedMaps() {
    std::vector<std::pair<std::string, world::TileMapData>> maps;
    for (const auto& entry : fs::directory_iterator(std::string(VRELS_GAME_DIR) + "/map")) {
        maps.emplace_back(entry.path().stem().string(), world::ReadTileMap(entry.path().string()));
    }
    return maps;
}

const world::MapCell& At(const world::TileMapData& map, int column, int row) {
    return map.cells[static_cast<std::size_t>(column + row * map.width)];
}

TEST(SetInPieces, StayTwoCellsInsidePlainSolidGroundOnEveryShippedMap) {
    int pieces = 0;
    std::set<std::string> mapsWithPieces;
    for (const auto& [name, map] : ShippedMaps()) {
        const auto at = [&map = map](int column, int row) -> const world::MapCell& {
            return At(map, column, row);
        };
        for (int row = 0; row < map.height; ++row) {
            for (int column = 0; column < map.width; ++column) {
                if (!SetIn(at(column, row))) {
                    continue;
                }
                ++pieces;
                mapsWithPieces.insert(name);
                for (int dy = -Margin; dy <= Margin; ++dy) {
                    for (int dx = -Margin; dx <= Margin; ++dx) {
                        const int c = column + dx;
                        const int r = row + dy;
                        ASSERT_TRUE(c >= 0 && c < map.width && r >= 0 && r < map.height)
                            << name << ": the piece at " << column << "," << row
                            << " lies near the map's edge";
                        EXPECT_TRUE(SetIn(at(c, r)) || PlainBlock(at(c, r)))
                            << name << ": the piece at " << column << "," << row
                            << " lies near cell " << c << "," << r << ", which is not plain ground";
                    }
                }
            }
        }
    }
    EXPECT_GT(pieces, 0);
    // The masses the players found plain: the catacombs' slab of 1-4, the
    // wall of 4-3, the gilded brick of 5-1 and 5-2.
    for (const char* map : {"stage1_4", "stage4_3", "stage5_1", "stage5_2"}) {
        EXPECT_EQ(mapsWithPieces.count(map), 1u) << map << " has no set-in piece";
    }
}

TEST(WallMasses, ShadeAndPiersLieInsideMassesAndTheDeepShadeAwayFromTheLight) {
    std::map<std::string, std::set<Mass>> worn;
    for (const auto& [name, map] : ShippedMaps()) {
        // Below the map is ground and beside it the edge column runs on;
        // above it is open air.
        const auto solid = [&map = map](int column, int row) {
            if (row < 0) {
                return false;
            }
            if (row >= map.height) {
                return true;
            }
            const world::MapCell& cell = At(map, std::clamp(column, 0, map.width - 1), row);
            return SetIn(cell) || PlainBlock(cell);
        };
        for (int row = 0; row < map.height; ++row) {
            for (int column = 0; column < map.width; ++column) {
                const world::MapCell& cell = At(map, column, row);
                if (!MassTile(cell)) {
                    continue;
                }
                const auto tile = MassTiles().find(Shown(cell));
                worn[name].insert(tile->second);
                // The cells that make a cell the fill rather than an edge, a
                // corner or an underside: its four sides and both cells
                // diagonally above.
                static const int around[][2] = {{-1, -1}, {0, -1}, {1, -1},
                                                {-1, 0},  {1, 0},  {0, 1}};
                for (const auto& [dx, dy] : around) {
                    EXPECT_TRUE(solid(column + dx, row + dy))
                        << name << ": the mass tile at " << column << "," << row
                        << " lies beside open cell " << column + dx << "," << row + dy;
                }
                if (tile->second == Mass::Deep) {
                    EXPECT_TRUE(solid(column, row - 2))
                        << name << ": the deep shade at " << column << "," << row
                        << " lies two rows under open air";
                }
            }
        }
    }
    // The masses the players found plain wear shade, deep shade and piers:
    // the trial's chalk from its first course on, the mansion's panelling,
    // the forest soil of 1-1 with its roots; the throne room's floor, one
    // row deep, its shade.
    for (const char* map : {"stage1_1", "stage1_2", "stage1_3", "stage1_4", "stage2_2", "stage3_3",
                            "stage4_3", "stage5_1", "stage5_2", "trial1_1", "trial1_3"}) {
        EXPECT_EQ(worn[map].size(), 3u) << map << " lacks shade, deep shade or piers";
    }
    EXPECT_EQ(worn["stage5_boss"], std::set<Mass>{Mass::Shade});
}

} // namespace
