// The set-in pieces of the shipped maps: a solid block deep inside a mass of
// ground may show a scenery picture (its object code, over an empty chip)
// instead of the fill, so that long walls read as architecture. Play must
// never come near one: every cell within two of it, diagonals included, lies
// in the map and is another such block or a plain solid block.
#include "world/PlaceChip.h"
#include "world/TileMapFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr int FirstSceneryRow = 10;
constexpr int Margin = 2;

bool EmptyChip(const world::MapCell& cell) {
    return cell.Empty() || (cell.chipX == 0 && cell.chipY == 0);
}

bool SetIn(const world::MapCell& cell) {
    return EmptyChip(cell) && cell.objectCode % 100 >= FirstSceneryRow;
}

// Active codes that make something other than a plain solid block: platforms,
// jets, markers, events, gates, fire blocks, hazards (docs/maps.md); items and
// enemies register creators.
bool PlainBlock(const world::MapCell& cell) {
    static const std::set<int> special = {2,   3,   102, 103, 501, 108,  901,  902,  800, 801,
                                          7,   107, 207, 307, 407, 507,  9,    109,  709, 608,
                                          708, 808, 908, 609, 8,   1700, 1800, 1900, 1901};
    if (EmptyChip(cell) || cell.objectCode != 0 || cell.chipY / 32 >= FirstSceneryRow) {
        return false;
    }
    const int code = ChipCode(cell.chipX, cell.chipY);
    return special.count(code) == 0 && !HasChipCreator(code);
}

TEST(SetInPieces, StayTwoCellsInsidePlainSolidGroundOnEveryShippedMap) {
    int pieces = 0;
    std::set<std::string> mapsWithPieces;
    for (const auto& entry : fs::directory_iterator(std::string(VRELS_GAME_DIR) + "/map")) {
        const std::string name = entry.path().stem().string();
        const world::TileMapData map = world::ReadTileMap(entry.path().string());
        const auto at = [&map](int column, int row) -> const world::MapCell& {
            return map.cells[static_cast<std::size_t>(column + row * map.width)];
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

} // namespace
