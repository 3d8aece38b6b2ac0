#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/mapc/TileMap.h"

namespace mapc {

// Our header: an eight-byte magic tag, then the format version as a 32-bit
// little-endian number, the rest zero.
constexpr char kMagic[8] = {'V', 'R', 'E', 'L', 'S', 'T', 'M', '2'};
constexpr std::uint32_t kFormatVersion = 1;
constexpr std::size_t kCellsOffset = kHeaderSize + 16;
constexpr std::size_t kCellBytes = 6;

// The header that the compiler writes into every file.
std::array<std::uint8_t, kHeaderSize> StandardHeader();

// The file image of a map: header, four 32-bit words, then the cells, all
// little-endian.
std::vector<std::uint8_t> EncodeTm2(const TileMap& map);

struct DecodeResult {
    bool ok = false;
    std::string error;                 // why decoding failed
    std::vector<std::string> warnings; // tolerated damage (short file, trailing bytes)
    TileMap map;
};

// The game's one rule for a map's size: both sides positive, at most
// kMaxCells cells. Empty when the size loads, else why not.
std::string SizeError(std::int32_t width, std::int32_t height);

// Reads a file image the way the game does: the header is not looked at (an
// unknown version of ours is a warning), a short file of any length reads its
// missing values as 0, and only the sizes the game refuses are errors.
DecodeResult DecodeTm2(const std::vector<std::uint8_t>& bytes);

} // namespace mapc
