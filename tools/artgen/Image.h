#pragma once
// Pixels with straight (not premultiplied) alpha, RGBA byte order, rows top
// to bottom.
#include <cstdint>
#include <vector>

namespace artgen {

struct Image {
    int width = 0, height = 0;
    std::vector<uint8_t> rgba;
};

} // namespace artgen
