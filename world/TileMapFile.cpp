#include "world/TileMapFile.h"

#include "app/Paths.h"

#include <cstdio>
#include <memory>
#include <stdexcept>

namespace world {

namespace {

// Reads little-endian values from a file image; whatever lies past the end of
// a short file reads as 0, which is how a truncated map is meant to load (its
// missing cells empty).
class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint32_t Read(std::size_t offset, int bytes) const {
        std::uint32_t value = 0;
        for (int i = 0; i < bytes; ++i) {
            if (offset + static_cast<std::size_t>(i) < size_) {
                value |= static_cast<std::uint32_t>(data_[offset + i]) << (8 * i);
            }
        }
        return value;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
};

int ToSigned(std::uint32_t v) {
    return v <= 0x7fffffffu ? static_cast<int>(v) : -static_cast<int>(~v) - 1;
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// The most a map file can hold that the game reads: the header, the four
// words and MaxMapCells cells. Anything after it is never looked at.
constexpr std::size_t kMaxMapFileBytes = MapHeaderBytes + 16 + MaxMapCells * 6;

} // namespace

TileMapData ParseTileMap(const std::uint8_t* data, std::size_t size, const std::string& path) {
    const ByteReader reader(data, size);
    TileMapData map;
    map.width = ToSigned(reader.Read(MapHeaderBytes, 4));
    map.height = ToSigned(reader.Read(MapHeaderBytes + 4, 4));
    map.word3 = ToSigned(reader.Read(MapHeaderBytes + 8, 4));
    map.word4 = ToSigned(reader.Read(MapHeaderBytes + 12, 4));
    if (map.width <= 0 || map.height <= 0 ||
        static_cast<long long>(map.width) * map.height > MaxMapCells) {
        throw std::runtime_error("Open Error: " + path);
    }
    map.cells.resize(static_cast<std::size_t>(map.width) * static_cast<std::size_t>(map.height));
    std::size_t at = MapHeaderBytes + 16;
    for (MapCell& cell : map.cells) {
        cell.chipX = static_cast<std::uint16_t>(reader.Read(at, 2));
        cell.chipY = static_cast<std::uint16_t>(reader.Read(at + 2, 2));
        cell.objectCode = static_cast<std::uint16_t>(reader.Read(at + 4, 2));
        at += 6;
        if (cell.chipX == 0 && cell.chipY == 0) {
            cell.chipX = EmptyChip;
        }
    }
    return map;
}

TileMapData ReadTileMap(const std::string& name) {
    const std::string path = vrels::DataPath(name);
    File file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        throw std::runtime_error("Open Error: " + path);
    }
    std::vector<std::uint8_t> bytes(kMaxMapFileBytes);
    const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file.get());
    if (std::ferror(file.get())) {
        throw std::runtime_error("Open Error: " + path);
    }
    return ParseTileMap(bytes.data(), got, path);
}

} // namespace world
