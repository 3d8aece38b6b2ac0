#include "TgaFile.h"

#include <fstream>
#include <iterator>

std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
}

bool ReadTga(const std::string& path, TgaImage& image, std::string& error) {
    const std::vector<uint8_t> bytes = ReadBytes(path);
    if (bytes.size() < 18) {
        error = "missing or shorter than a TGA header";
        return false;
    }
    const size_t idLength = bytes[0];
    if (bytes[1] != 0 || bytes[2] != 2) {
        error = "not an uncompressed true-colour TGA (type " + std::to_string(bytes[2]) + ")";
        return false;
    }
    if (bytes[16] != 32 || (bytes[17] & 0x0f) != 8) {
        error = "not 32 bits with 8 alpha bits";
        return false;
    }
    image.width = bytes[12] | (bytes[13] << 8);
    image.height = bytes[14] | (bytes[15] << 8);
    const size_t pixels = static_cast<size_t>(image.width) * image.height;
    if (bytes.size() < 18 + idLength + pixels * 4) {
        error = "pixel data is truncated";
        return false;
    }
    const bool topDown = (bytes[17] & 0x20) != 0;
    image.rgba.resize(pixels * 4);
    for (int row = 0; row < image.height; ++row) {
        const int y = topDown ? row : image.height - 1 - row;
        const uint8_t* src = &bytes[18 + idLength + static_cast<size_t>(row) * image.width * 4];
        for (int x = 0; x < image.width; ++x) {
            uint8_t* dst = &image.rgba[(static_cast<size_t>(y) * image.width + x) * 4];
            dst[0] = src[x * 4 + 2];
            dst[1] = src[x * 4 + 1];
            dst[2] = src[x * 4 + 0];
            dst[3] = src[x * 4 + 3];
        }
    }
    return true;
}
