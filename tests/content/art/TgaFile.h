#pragma once
// Minimal reader for the uncompressed 32-bit TGA files the art tool writes,
// strict about the header so that malformed files fail loudly.
#include <cstdint>
#include <string>
#include <vector>

struct TgaImage {
    int width = 0, height = 0;
    std::vector<uint8_t> rgba; // rows top to bottom
    uint8_t At(int x, int y, int channel) const {
        return rgba[(static_cast<size_t>(y) * width + x) * 4 + channel];
    }
};

// Reads the file; on failure returns false and says why in `error`.
bool ReadTga(const std::string& path, TgaImage& image, std::string& error);

// The whole file as bytes (empty when it cannot be read).
std::vector<uint8_t> ReadBytes(const std::string& path);
