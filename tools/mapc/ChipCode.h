#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace mapc {

// A chip code names a 32 x 32 chip of the chip sheet as column * 100 + row.
// The same numbers serve as object codes in a cell's object layer.

constexpr int kChipSize = 32;
constexpr int kFirstSceneryRow = 10;          // rows 0..9 are turned into objects
constexpr int kStartMarkerCode = 709;         // the player's start cell
constexpr int kMaxChipCode = 2047 * 100 + 99; // column 2047 is the last one a 16-bit x can reach

struct ChipPixel {
    std::uint16_t x = 0;
    std::uint16_t y = 0;
};

// Pixel position of a chip code on the sheet; empty when the code cannot be
// stored (negative, or its column lies beyond a 16-bit pixel position).
std::optional<ChipPixel> ChipPixelOf(int code);

// Code of a chip at a pixel position; empty when the position is not on the
// 32-pixel grid or its row has no two-digit code.
std::optional<int> ChipCodeOf(ChipPixel pixel);

// What the game makes of a code, for comments in written sources ("Coin",
// "start marker", "scenery", ...). Plain active chips are "solid block".
std::string KindOfCode(int code);

} // namespace mapc
