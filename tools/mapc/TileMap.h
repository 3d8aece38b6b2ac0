#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace mapc {

// Size of the opaque block that opens every .tm2 file. The game seeks past it;
// our tool stores its own magic tag and format version there.
constexpr std::size_t kHeaderSize = 48;

// The game refuses maps with more cells than this; the tool keeps to the same
// limit so that everything it writes can be loaded.
constexpr long long kMaxCells = 100000;

// One map cell exactly as stored in the file: the chip's pixel position on the
// chip sheet and the code of an object placed over it (0 = none).
struct Cell {
    std::uint16_t chipX = 0;
    std::uint16_t chipY = 0;
    std::uint16_t objectCode = 0;

    bool operator==(const Cell& other) const {
        return chipX == other.chipX && chipY == other.chipY && objectCode == other.objectCode;
    }
    bool operator!=(const Cell& other) const { return !(*this == other); }
};

// Everything a .tm2 file holds, field by field, so a file can be written back
// byte for byte.
struct TileMap {
    std::array<std::uint8_t, kHeaderSize> header{};
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t word3 = 0;
    std::int32_t word4 = 0;
    std::vector<Cell> cells; // row by row, width * height entries

    const Cell& At(int column, int row) const { return cells[column + row * width]; }
    Cell& At(int column, int row) { return cells[column + row * width]; }
};

} // namespace mapc
