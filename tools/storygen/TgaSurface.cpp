#include "TgaSurface.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

namespace storygen {

artgen::SurfacePtr ReadTgaSurface(const std::string& path, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path;
        return nullptr;
    }
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                     std::istreambuf_iterator<char>());
    if (bytes.size() < 18 || bytes[2] != 2 || bytes[16] != 32) {
        error = path + " is not an uncompressed 32-bit TGA";
        return nullptr;
    }
    const int width = bytes[12] | (bytes[13] << 8);
    const int height = bytes[14] | (bytes[15] << 8);
    const size_t start = 18 + size_t(bytes[0]);
    if (width <= 0 || height <= 0 || bytes.size() < start + size_t(width) * height * 4) {
        error = path + " is shorter than its header says";
        return nullptr;
    }
    const bool topDown = (bytes[17] & 0x20) != 0;
    artgen::SurfacePtr surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
        error = "cairo_image_surface_create failed for " + path;
        return nullptr;
    }
    cairo_surface_flush(surface.get());
    unsigned char* data = cairo_image_surface_get_data(surface.get());
    const int stride = cairo_image_surface_get_stride(surface.get());
    for (int y = 0; y < height; ++y) {
        const int sourceRow = topDown ? y : height - 1 - y;
        const uint8_t* in4 = &bytes[start + size_t(sourceRow) * width * 4];
        uint32_t* out = reinterpret_cast<uint32_t*>(data + size_t(y) * stride);
        for (int x = 0; x < width; ++x, in4 += 4) {
            const uint32_t b = in4[0], g = in4[1], r = in4[2], a = in4[3];
            out[x] = (a << 24) | ((r * a + 127) / 255 << 16) | ((g * a + 127) / 255 << 8) |
                     ((b * a + 127) / 255);
        }
    }
    cairo_surface_mark_dirty(surface.get());
    return surface;
}

} // namespace storygen
