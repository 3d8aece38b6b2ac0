#include "world/TileMapFile.h"

#include "app/Paths.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <stdexcept>

namespace world {

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Reads n bytes; whatever lies past the end of a short file reads as 0,
// which is how a truncated map is meant to load (its missing cells empty).
void ReadBytes(std::FILE* f, unsigned char* bytes, std::size_t n) {
    const std::size_t got = std::fread(bytes, 1, n, f);
    std::fill(bytes + got, bytes + n, static_cast<unsigned char>(0));
}

std::uint32_t ReadU32(std::FILE* f) {
    unsigned char b[4];
    ReadBytes(f, b, 4);
    return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
           (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}

std::uint16_t ReadU16(std::FILE* f) {
    unsigned char b[2];
    ReadBytes(f, b, 2);
    return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}

int ToSigned(std::uint32_t v) {
    return v <= 0x7fffffffu ? static_cast<int>(v) : -static_cast<int>(~v) - 1;
}

} // namespace

TileMapData ReadTileMap(const std::string& name) {
    const std::string path = vrels::DataPath(name);
    const std::runtime_error openError("Open Error: " + path);
    File file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        throw openError;
    }
    TileMapData map;
    if (std::fseek(file.get(), MapHeaderBytes, SEEK_SET) != 0) {
        throw openError;
    }
    map.width = ToSigned(ReadU32(file.get()));
    map.height = ToSigned(ReadU32(file.get()));
    map.word3 = ToSigned(ReadU32(file.get()));
    map.word4 = ToSigned(ReadU32(file.get()));
    if (map.width <= 0 || map.height <= 0 ||
        static_cast<long long>(map.width) * map.height > MaxMapCells) {
        throw openError;
    }
    map.cells.resize(static_cast<std::size_t>(map.width) * static_cast<std::size_t>(map.height));
    for (MapCell& cell : map.cells) {
        cell.chipX = ReadU16(file.get());
        cell.chipY = ReadU16(file.get());
        cell.objectCode = ReadU16(file.get());
        if (cell.chipX == 0 && cell.chipY == 0) {
            cell.chipX = EmptyChip;
        }
    }
    return map;
}

} // namespace world
