#include "TgaWriter.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace artgen {

Image ToStraightAlpha(cairo_surface_t* surface) {
    cairo_surface_flush(surface);
    Image image;
    image.width = cairo_image_surface_get_width(surface);
    image.height = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    if (data == nullptr) {
        throw std::runtime_error("cairo_image_surface_get_data returned nothing");
    }
    image.rgba.resize(size_t(image.width) * image.height * 4);
    for (int y = 0; y < image.height; ++y) {
        const uint32_t* row = reinterpret_cast<const uint32_t*>(data + size_t(y) * stride);
        for (int x = 0; x < image.width; ++x) {
            const uint32_t p = row[x]; // native-endian ARGB, premultiplied
            const uint32_t a = p >> 24;
            uint8_t* out = &image.rgba[(size_t(y) * image.width + x) * 4];
            for (int c = 0; c < 3; ++c) {
                const uint32_t v = (p >> (16 - 8 * c)) & 0xff;
                out[c] = a == 0
                             ? 0
                             : static_cast<uint8_t>(std::min<uint32_t>(255, (v * 255 + a / 2) / a));
            }
            out[3] = static_cast<uint8_t>(a);
        }
    }
    return image;
}

void BleedEdgeColours(Image& image) {
    const int w = image.width, h = image.height;
    std::vector<uint8_t> filled(size_t(w) * h, 0);
    std::vector<int> frontier;
    for (int i = 0; i < w * h; ++i) {
        if (image.rgba[size_t(i) * 4 + 3] != 0) {
            filled[i] = 1;
            frontier.push_back(i);
        }
    }
    // Grow outwards one ring at a time; each new pixel averages its already
    // coloured neighbours. Rings are computed before they are marked so the
    // result does not depend on visiting order.
    while (!frontier.empty()) {
        std::vector<int> ring;
        for (int i : frontier) {
            const int x = i % w, y = i / w;
            const int nx[4] = {x - 1, x + 1, x, x};
            const int ny[4] = {y, y, y - 1, y + 1};
            for (int k = 0; k < 4; ++k) {
                if (nx[k] < 0 || ny[k] < 0 || nx[k] >= w || ny[k] >= h) {
                    continue;
                }
                const int j = ny[k] * w + nx[k];
                if (filled[j] == 0) {
                    filled[j] = 2;
                    ring.push_back(j);
                }
            }
        }
        for (int j : ring) {
            const int x = j % w, y = j / w;
            int sum[3] = {0, 0, 0}, count = 0;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int px = x + dx, py = y + dy;
                    if (px < 0 || py < 0 || px >= w || py >= h || filled[py * w + px] != 1) {
                        continue;
                    }
                    for (int c = 0; c < 3; ++c) {
                        sum[c] += image.rgba[(size_t(py) * w + px) * 4 + c];
                    }
                    ++count;
                }
            }
            for (int c = 0; c < 3; ++c) {
                image.rgba[size_t(j) * 4 + c] = static_cast<uint8_t>((sum[c] + count / 2) / count);
            }
        }
        for (int j : ring) {
            filled[j] = 1;
        }
        frontier.swap(ring);
    }
}

std::vector<uint8_t> EncodeTga(const Image& image) {
    std::vector<uint8_t> bytes(18, 0);
    bytes[2] = 2; // uncompressed true colour
    bytes[12] = static_cast<uint8_t>(image.width & 0xff);
    bytes[13] = static_cast<uint8_t>(image.width >> 8);
    bytes[14] = static_cast<uint8_t>(image.height & 0xff);
    bytes[15] = static_cast<uint8_t>(image.height >> 8);
    bytes[16] = 32;
    bytes[17] = 0x20 | 8; // top-left origin, 8 alpha bits
    bytes.reserve(bytes.size() + image.rgba.size());
    for (size_t i = 0; i < image.rgba.size(); i += 4) {
        bytes.push_back(image.rgba[i + 2]); // stored as B, G, R, A
        bytes.push_back(image.rgba[i + 1]);
        bytes.push_back(image.rgba[i + 0]);
        bytes.push_back(image.rgba[i + 3]);
    }
    return bytes;
}

bool WriteIfChanged(const std::string& path, const std::vector<uint8_t>& bytes) {
    {
        std::ifstream old(path, std::ios::binary);
        if (old) {
            const std::vector<uint8_t> current((std::istreambuf_iterator<char>(old)),
                                               std::istreambuf_iterator<char>());
            if (current == bytes) {
                return false;
            }
        }
    }
    const std::filesystem::path target(path);
    std::error_code error;
    std::filesystem::create_directories(target.parent_path(), error);
    if (error) {
        throw std::runtime_error("cannot create folder " + target.parent_path().string() + ": " +
                                 error.message());
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
    return true;
}

} // namespace artgen
