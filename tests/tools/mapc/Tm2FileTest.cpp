#include <gtest/gtest.h>

#include <cstring>

#include "tools/mapc/Tm2File.h"

namespace {

mapc::TileMap SmallMap() {
    mapc::TileMap map;
    map.header = mapc::StandardHeader();
    map.width = 2;
    map.height = 1;
    map.word3 = -2;
    map.word4 = 0x01020304;
    map.cells = {{0x1234, 0x0140, 208}, {0xFFFF, 0, 0}};
    return map;
}

std::uint32_t ReadU32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

void PutU32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

TEST(Tm2File, LayoutIsHeaderThenFourWordsThenLittleEndianCells) {
    const std::vector<std::uint8_t> bytes = mapc::EncodeTm2(SmallMap());
    ASSERT_EQ(bytes.size(), 48u + 16u + 2u * 6u);
    EXPECT_EQ(std::memcmp(bytes.data(), "VRELSTM2", 8), 0);
    EXPECT_EQ(ReadU32(bytes, 8), mapc::kFormatVersion);
    for (std::size_t i = 12; i < 48; ++i) {
        EXPECT_EQ(bytes[i], 0) << "reserved header byte " << i;
    }
    EXPECT_EQ(ReadU32(bytes, 48), 2u);
    EXPECT_EQ(ReadU32(bytes, 52), 1u);
    EXPECT_EQ(ReadU32(bytes, 56), 0xFFFFFFFEu);
    EXPECT_EQ(ReadU32(bytes, 60), 0x01020304u);
    const std::vector<std::uint8_t> cells(bytes.begin() + 64, bytes.end());
    const std::vector<std::uint8_t> expected = {0x34, 0x12, 0x40, 0x01, 208, 0,
                                                0xFF, 0xFF, 0,    0,    0,   0};
    EXPECT_EQ(cells, expected);
}

TEST(Tm2File, DecodeGivesBackEveryField) {
    const mapc::TileMap map = SmallMap();
    const mapc::DecodeResult decoded = mapc::DecodeTm2(mapc::EncodeTm2(map));
    ASSERT_TRUE(decoded.ok) << decoded.error;
    EXPECT_TRUE(decoded.warnings.empty());
    EXPECT_EQ(decoded.map.header, map.header);
    EXPECT_EQ(decoded.map.width, 2);
    EXPECT_EQ(decoded.map.height, 1);
    EXPECT_EQ(decoded.map.word3, -2);
    EXPECT_EQ(decoded.map.word4, 0x01020304);
    EXPECT_EQ(decoded.map.cells, map.cells);
}

TEST(Tm2File, ShortFileReadsMissingValuesAsZeroAndTrailingBytesAreIgnored) {
    std::vector<std::uint8_t> bytes = mapc::EncodeTm2(SmallMap());
    bytes.resize(bytes.size() - 5); // cuts into the second cell's chipX
    mapc::DecodeResult decoded = mapc::DecodeTm2(bytes);
    ASSERT_TRUE(decoded.ok);
    ASSERT_EQ(decoded.warnings.size(), 1u);
    EXPECT_EQ(decoded.map.cells[0], SmallMap().cells[0]);
    EXPECT_EQ(decoded.map.cells[1], (mapc::Cell{0x00FF, 0, 0}));

    bytes = mapc::EncodeTm2(SmallMap());
    bytes.push_back(7);
    decoded = mapc::DecodeTm2(bytes);
    ASSERT_TRUE(decoded.ok);
    ASSERT_EQ(decoded.warnings.size(), 1u);
    EXPECT_NE(decoded.warnings[0].find("1 bytes after"), std::string::npos);
}

TEST(Tm2File, RefusesWhatTheGameWouldRefuse) {
    const std::vector<std::uint8_t> good = mapc::EncodeTm2(SmallMap());
    struct Case {
        std::uint32_t width;
        std::uint32_t height;
    };
    const Case refused[] = {{0, 5},          {5, 0},      {0xFFFFFFFF, 3},
                            {3, 0x80000000}, {1000, 101}, {0x10000, 0x10000}};
    for (const Case& c : refused) {
        std::vector<std::uint8_t> bytes = good;
        PutU32(bytes, 48, c.width);
        PutU32(bytes, 52, c.height);
        const mapc::DecodeResult decoded = mapc::DecodeTm2(bytes);
        EXPECT_FALSE(decoded.ok) << c.width << " x " << c.height;
    }
    std::vector<std::uint8_t> bytes = good;
    PutU32(bytes, 48, 1000);
    PutU32(bytes, 52, 100);
    EXPECT_TRUE(mapc::DecodeTm2(bytes).ok) << "exactly the cell limit is allowed";

    EXPECT_FALSE(mapc::DecodeTm2(std::vector<std::uint8_t>(good.begin(), good.begin() + 51)).ok)
        << "a width but no height: the game reads the height as 0";
    EXPECT_FALSE(mapc::DecodeTm2({}).ok);
}

TEST(Tm2File, DumpsEveryFileTheGameLoads) {
    const std::vector<std::uint8_t> good = mapc::EncodeTm2(SmallMap());
    // The game loads a file cut anywhere after the height's first byte.
    for (std::size_t length = 53; length <= 63; ++length) {
        const mapc::DecodeResult cut =
            mapc::DecodeTm2(std::vector<std::uint8_t>(good.begin(), good.begin() + length));
        EXPECT_TRUE(cut.ok) << length << " bytes: " << cut.error;
        EXPECT_FALSE(cut.warnings.empty()) << length;
    }
    // The game never reads the header, so a version it does not know loads too.
    std::vector<std::uint8_t> bytes = good;
    PutU32(bytes, 8, mapc::kFormatVersion + 1);
    const mapc::DecodeResult newer = mapc::DecodeTm2(bytes);
    ASSERT_TRUE(newer.ok) << newer.error;
    ASSERT_EQ(newer.warnings.size(), 1u);
    EXPECT_NE(newer.warnings[0].find("version"), std::string::npos);
    EXPECT_EQ(mapc::EncodeTm2(newer.map), bytes) << "and is written back as it was";
}

TEST(Tm2File, ForeignHeaderIsKeptAsItIs) {
    std::vector<std::uint8_t> bytes = mapc::EncodeTm2(SmallMap());
    for (std::size_t i = 0; i < 48; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 7 + 1);
    }
    const mapc::DecodeResult decoded = mapc::DecodeTm2(bytes);
    ASSERT_TRUE(decoded.ok) << decoded.error;
    EXPECT_EQ(mapc::EncodeTm2(decoded.map), bytes);
}

} // namespace
