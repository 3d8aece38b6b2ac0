#pragma once
// Checks a TGA picture before any decoder sees it. A decoder allocates
// width x height x 4 bytes from the header before it reads a pixel, so a
// damaged or hostile header could claim gigabytes; a file cut short would
// decode with its missing pixels as zero. Both are refused here instead.
#include <cstddef>
#include <cstdint>
#include <string>

namespace vrels {

// The largest picture side the game loads.
constexpr unsigned kMaxImageSide = 8192;

struct TgaFacts {
    unsigned width = 0;
    unsigned height = 0;
    bool hasAlpha = false;
};

// Checks the 18-byte header and that the file holds all of its pixel data:
// colour-mapped (kinds 1 and 9, 8-bit indices into a map of at most 256
// entries), true-colour (2 and 10, 15, 16, 24 or 32 bits) and grey (3 and 11,
// 8 bits), sides 1 to kMaxImageSide, every run-length packet complete. Returns
// an empty string for a picture that can be decoded, else why it cannot.
std::string CheckTga(const std::uint8_t* data, std::size_t size, TgaFacts* facts);

// True when the file name ends in ".tga", in any case.
bool HasTgaExtension(const std::string& file);

} // namespace vrels
