#include "tools/mapc/Tm2File.h"

#include <algorithm>
#include <cstring>

namespace mapc {
namespace {

void PutU16(std::vector<std::uint8_t>& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutI32(std::vector<std::uint8_t>& out, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<std::uint8_t>((bits >> shift) & 0xFF));
    }
}

// Reads little-endian values from a byte image; bytes past the end read as 0,
// as the game's loader does with a short file.
class ByteReader {
public:
    explicit ByteReader(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}

    std::uint32_t Read(std::size_t offset, int size) const {
        std::uint32_t value = 0;
        for (int i = 0; i < size; ++i) {
            if (offset + i < bytes_.size()) {
                value |= static_cast<std::uint32_t>(bytes_[offset + i]) << (8 * i);
            }
        }
        return value;
    }

private:
    const std::vector<std::uint8_t>& bytes_;
};

} // namespace

std::array<std::uint8_t, kHeaderSize> StandardHeader() {
    std::array<std::uint8_t, kHeaderSize> header{};
    std::memcpy(header.data(), kMagic, sizeof kMagic);
    for (int i = 0; i < 4; ++i) {
        header[sizeof kMagic + i] = static_cast<std::uint8_t>((kFormatVersion >> (8 * i)) & 0xFF);
    }
    return header;
}

std::vector<std::uint8_t> EncodeTm2(const TileMap& map) {
    std::vector<std::uint8_t> out(map.header.begin(), map.header.end());
    out.reserve(kCellsOffset + map.cells.size() * kCellBytes);
    PutI32(out, map.width);
    PutI32(out, map.height);
    PutI32(out, map.word3);
    PutI32(out, map.word4);
    for (const Cell& cell : map.cells) {
        PutU16(out, cell.chipX);
        PutU16(out, cell.chipY);
        PutU16(out, cell.objectCode);
    }
    return out;
}

std::string SizeError(std::int32_t width, std::int32_t height) {
    const std::string size = std::to_string(width) + " x " + std::to_string(height);
    if (width <= 0 || height <= 0) {
        return "map size " + size + " is not positive";
    }
    if (static_cast<long long>(width) * height > kMaxCells) {
        return "map size " + size + " exceeds " + std::to_string(kMaxCells) + " cells";
    }
    return std::string();
}

DecodeResult DecodeTm2(const std::vector<std::uint8_t>& bytes) {
    DecodeResult result;
    TileMap& map = result.map;
    // The game seeks past the header without reading it, so any header loads;
    // an unknown version of ours is only worth a warning.
    if (!bytes.empty()) {
        std::memcpy(map.header.data(), bytes.data(), std::min(bytes.size(), kHeaderSize));
    }
    if (bytes.size() >= sizeof kMagic + 4 &&
        std::memcmp(bytes.data(), kMagic, sizeof kMagic) == 0) {
        const ByteReader header(bytes);
        const std::uint32_t version = header.Read(sizeof kMagic, 4);
        if (version != kFormatVersion) {
            result.warnings.push_back(
                "format version " + std::to_string(version) + " is not the one this tool writes (" +
                std::to_string(kFormatVersion) + "); the game does not read the header");
        }
    }

    const ByteReader reader(bytes);
    map.width = static_cast<std::int32_t>(reader.Read(kHeaderSize, 4));
    map.height = static_cast<std::int32_t>(reader.Read(kHeaderSize + 4, 4));
    map.word3 = static_cast<std::int32_t>(reader.Read(kHeaderSize + 8, 4));
    map.word4 = static_cast<std::int32_t>(reader.Read(kHeaderSize + 12, 4));
    result.error = SizeError(map.width, map.height);
    if (!result.error.empty()) {
        if (bytes.size() < kCellsOffset) {
            // The size came (partly) from the zeros past the end.
            result.error =
                "file is " + std::to_string(bytes.size()) + " bytes long; its " + result.error;
        }
        return result;
    }
    const long long cellCount = static_cast<long long>(map.width) * map.height;

    map.cells.resize(static_cast<std::size_t>(cellCount));
    for (std::size_t i = 0; i < map.cells.size(); ++i) {
        const std::size_t at = kCellsOffset + i * kCellBytes;
        map.cells[i].chipX = static_cast<std::uint16_t>(reader.Read(at, 2));
        map.cells[i].chipY = static_cast<std::uint16_t>(reader.Read(at + 2, 2));
        map.cells[i].objectCode = static_cast<std::uint16_t>(reader.Read(at + 4, 2));
    }

    const std::size_t expected = kCellsOffset + map.cells.size() * kCellBytes;
    if (bytes.size() < expected) {
        result.warnings.push_back("file ends after " + std::to_string(bytes.size()) + " of " +
                                  std::to_string(expected) +
                                  " bytes; the missing values read as 0");
    } else if (bytes.size() > expected) {
        result.warnings.push_back(std::to_string(bytes.size() - expected) +
                                  " bytes after the last cell are ignored");
    }
    result.ok = true;
    return result;
}

} // namespace mapc
