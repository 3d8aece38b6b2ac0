#include "lib/TgaCheck.h"

#include <cctype>

namespace vrels {

namespace {

constexpr std::size_t kHeaderBytes = 18;

unsigned U16(const std::uint8_t* p) {
    return static_cast<unsigned>(p[0]) | static_cast<unsigned>(p[1]) << 8;
}

// Walks the run-length packets from offset until they cover pixels pixels;
// false when the file ends first.
bool PacketsComplete(const std::uint8_t* data, std::size_t size, std::size_t offset,
                     std::uint64_t pixels, unsigned bytesPerPixel) {
    std::uint64_t covered = 0;
    while (covered < pixels) {
        if (offset >= size) {
            return false;
        }
        const std::uint8_t packet = data[offset++];
        const unsigned count = (packet & 0x7Fu) + 1u;
        const std::size_t body = (packet & 0x80u) ? bytesPerPixel : count * bytesPerPixel;
        if (size - offset < body) {
            return false;
        }
        offset += body;
        covered += count;
    }
    return true;
}

} // namespace

std::string CheckTga(const std::uint8_t* data, std::size_t size, TgaFacts* facts) {
    if (size < kHeaderBytes) {
        return "the file is shorter than a TGA header";
    }
    const unsigned idLength = data[0];
    const unsigned mapType = data[1];
    const unsigned kind = data[2];
    const unsigned mapFirst = U16(data + 3);
    const unsigned mapLength = U16(data + 5);
    const unsigned mapEntryBits = data[7];
    const unsigned width = U16(data + 12);
    const unsigned height = U16(data + 14);
    const unsigned depth = data[16];
    const unsigned alphaBits = data[17] & 0x0Fu;

    if (mapType > 1) {
        return "unknown colour map type " + std::to_string(mapType);
    }
    const bool runLength = kind >= 9;
    const unsigned base = runLength ? kind - 8 : kind;
    if ((kind != base && kind != base + 8) || base < 1 || base > 3) {
        return "unsupported TGA kind " + std::to_string(kind);
    }
    if (base == 1) {
        if (mapType != 1 || depth != 8 || mapLength == 0 || mapFirst + mapLength > 256) {
            return "unsupported colour-mapped picture";
        }
    } else if (base == 2) {
        if (depth != 15 && depth != 16 && depth != 24 && depth != 32) {
            return "unsupported pixel depth " + std::to_string(depth);
        }
    } else if (depth != 8) {
        return "unsupported grey depth " + std::to_string(depth);
    }
    if (mapType == 1 && mapEntryBits != 15 && mapEntryBits != 16 && mapEntryBits != 24 &&
        mapEntryBits != 32) {
        return "unsupported colour map entry size " + std::to_string(mapEntryBits);
    }
    if (width == 0 || height == 0 || width > kMaxImageSide || height > kMaxImageSide) {
        return "picture size " + std::to_string(width) + " x " + std::to_string(height) +
               " outside 1 to " + std::to_string(kMaxImageSide);
    }

    const std::size_t mapBytes = mapType == 1 ? mapLength * ((mapEntryBits + 7u) / 8u) : 0;
    const std::size_t pixelOffset = kHeaderBytes + idLength + mapBytes;
    const unsigned bytesPerPixel = (depth + 7u) / 8u;
    const std::uint64_t pixels = static_cast<std::uint64_t>(width) * height;
    const bool complete =
        runLength ? PacketsComplete(data, size, pixelOffset, pixels, bytesPerPixel)
                  : pixelOffset <= size && (size - pixelOffset) / bytesPerPixel >= pixels;
    if (!complete) {
        return "the file ends before its pixel data does";
    }
    if (facts) {
        facts->width = width;
        facts->height = height;
        facts->hasAlpha = alphaBits != 0 || (base == 1 && mapEntryBits == 32);
    }
    return std::string();
}

bool HasTgaExtension(const std::string& file) {
    if (file.size() < 4) {
        return false;
    }
    std::string tail = file.substr(file.size() - 4);
    for (char& c : tail) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return tail == ".tga";
}

} // namespace vrels
