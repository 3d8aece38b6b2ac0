#pragma once
// The ".tm2" map file: a 48-byte header the game does not read, then width,
// height and two further words (signed 32-bit little-endian), then
// width x height cells of three unsigned 16-bit little-endian values
// (chipX, chipY, objectCode), row by row.
#include <cstdint>
#include <string>
#include <vector>

namespace world {

constexpr std::uint16_t EmptyChip = 0xFFFF;
// Larger maps are refused: no stage comes near it, and a damaged size field
// must not exhaust memory.
constexpr long long MaxMapCells = 100000;
constexpr int MapHeaderBytes = 48;

struct MapCell {
    std::uint16_t chipX = EmptyChip; // EmptyChip: nothing to draw or place
    std::uint16_t chipY = 0;
    std::uint16_t objectCode = 0; // 0: none, else sheet column x 100 + sheet row

    bool Empty() const { return chipX == EmptyChip; }
};

struct TileMapData {
    int width = 0;
    int height = 0;
    int word3 = 0;
    int word4 = 0;
    std::vector<MapCell> cells; // index = column + row x width
};

// Reads a map file. Throws std::runtime_error("Open Error: " + path) when the
// file cannot be opened or its sizes are unusable (not positive, or more than
// MaxMapCells cells). A short file is not an error: missing values read as 0.
// Cells whose chip is (0, 0) are stored empty.
TileMapData ReadTileMap(const std::string& path);
// The same for a file image already in memory; path only names it in errors.
TileMapData ParseTileMap(const std::uint8_t* data, std::size_t size, const std::string& path);

} // namespace world
