#include <gtest/gtest.h>

#include "tools/mapc/MapSource.h"
#include "tools/mapc/Tm2File.h"

namespace {

std::optional<mapc::TileMap> Compile(const std::string& text, std::string* messages = nullptr) {
    mapc::Diagnostics diagnostics("round.map");
    auto map = mapc::ParseMapSource(text, diagnostics);
    for (const mapc::Diagnostic& entry : diagnostics.All()) {
        if (messages != nullptr) {
            *messages += diagnostics.Format(entry) + "\n";
        }
    }
    return map;
}

// Text -> map -> text -> map must give the same bytes, and writing the
// second map must give the same text again.
void ExpectStableRoundTrip(const mapc::TileMap& map) {
    const std::string text = mapc::WriteMapSource(map, "round.tm2");
    std::string messages;
    const auto again = Compile(text, &messages);
    ASSERT_TRUE(again) << messages << text;
    EXPECT_EQ(mapc::EncodeTm2(*again), mapc::EncodeTm2(map)) << text;
    EXPECT_EQ(mapc::WriteMapSource(*again, "round.tm2"), text);
}

const char* const kHandWritten = R"(# A hand-written map using every form the format offers.
vrels-map 1
words = 7 -1

"." = empty          # nothing
"#" = 100            # ground
"S" = 709            # start
"o" = 208            # coin on its own
"O" = 1010 + 208     # coin over scenery
":" = 1010           # scenery
"@" = @352,70        # raw pixel position off the grid
"d" = 6              # a target, used in the objects layer

chips:
   |..:O.|   # rows may be indented and carry comments
   |.S:o@|
   |#####|
objects:
   |.....|
   |..d..|
   |.....|
)";

TEST(SourceRoundTrip, HandWrittenSourceCompilesToTheDrawnCells) {
    std::string messages;
    const auto map = Compile(kHandWritten, &messages);
    ASSERT_TRUE(map) << messages;
    EXPECT_EQ(messages, "");
    EXPECT_EQ(map->width, 5);
    EXPECT_EQ(map->height, 3);
    EXPECT_EQ(map->word3, 7);
    EXPECT_EQ(map->word4, -1);
    EXPECT_EQ(map->header, mapc::StandardHeader());
    EXPECT_EQ(map->At(0, 0), (mapc::Cell{0, 0, 0}));
    EXPECT_EQ(map->At(3, 0), (mapc::Cell{320, 320, 208})); // scenery 1010 with a coin
    EXPECT_EQ(map->At(1, 1), (mapc::Cell{224, 288, 0}));   // start marker 709
    EXPECT_EQ(map->At(2, 1), (mapc::Cell{320, 320, 6}));   // scenery with a target over it
    EXPECT_EQ(map->At(3, 1), (mapc::Cell{64, 256, 0}));    // coin chip 208
    EXPECT_EQ(map->At(4, 1), (mapc::Cell{352, 70, 0}));
    EXPECT_EQ(map->At(4, 2), (mapc::Cell{32, 0, 0})); // ground 100
    ExpectStableRoundTrip(*map);
}

TEST(SourceRoundTrip, ByteOrderMarkAndWindowsLineEndsReadTheSame) {
    const auto plain = Compile(kHandWritten);
    ASSERT_TRUE(plain);
    std::string windows = std::string("\xEF\xBB\xBF") + kHandWritten;
    for (std::size_t at = windows.find('\n'); at != std::string::npos;
         at = windows.find('\n', at + 2)) {
        windows.insert(at, "\r");
    }
    std::string messages;
    const auto other = Compile(windows, &messages);
    ASSERT_TRUE(other) << messages;
    EXPECT_EQ(mapc::EncodeTm2(*other), mapc::EncodeTm2(*plain));
}

TEST(SourceRoundTrip, WrittenSourceUsesTheHandWrittenKeysForKnownCodes) {
    const auto map = Compile(kHandWritten);
    ASSERT_TRUE(map);
    const std::string text = mapc::WriteMapSource(*map, "round.tm2");
    EXPECT_NE(text.find("\"S\" = 709"), std::string::npos) << text;
    EXPECT_NE(text.find("\"o\" = 208"), std::string::npos) << text;
    EXPECT_NE(text.find("\"#\" = 100"), std::string::npos) << text;
    EXPECT_NE(text.find("words = 7 -1"), std::string::npos) << text;
    EXPECT_EQ(text.find("start = optional"), std::string::npos) << text;
    EXPECT_EQ(text.find("objects:"), std::string::npos) << "few combinations fit one layer";
}

// Any map the game could read, however unlike our own sources, survives the
// trip: foreign header, off-grid and 0xFFFF chips, codes in the high rows,
// no start marker, and more distinct values than single characters can name.
TEST(SourceRoundTrip, ArbitraryMapsSurvive) {
    std::uint32_t state = 12345;
    const auto next = [&state]() {
        state = state * 1103515245u + 12345u;
        return static_cast<std::uint16_t>(state >> 16);
    };
    const int distinctValues[] = {3, 90, 200, 9000};
    for (int distinct : distinctValues) {
        mapc::TileMap map;
        for (std::size_t i = 0; i < map.header.size(); ++i) {
            map.header[i] = static_cast<std::uint8_t>(next());
        }
        map.width = 150;
        map.height = 40;
        map.word3 = -5;
        map.word4 = 123456;
        std::vector<mapc::Cell> palette;
        for (int i = 0; i < distinct; ++i) {
            palette.push_back({next(), next(), static_cast<std::uint16_t>(i % 3 ? 0 : next())});
        }
        palette[0] = {0xFFFF, 0, 0};
        for (int i = 0; i < map.width * map.height; ++i) {
            map.cells.push_back(palette[next() % palette.size()]);
        }
        SCOPED_TRACE(distinct);
        ExpectStableRoundTrip(map);
    }
}

TEST(SourceRoundTrip, OwnHeaderIsLeftImplicitAndObjectsOnEmptyCellsStayObjects) {
    mapc::TileMap map;
    map.header = mapc::StandardHeader();
    map.width = 3;
    map.height = 1;
    map.cells = {{0, 0, 709}, {0, 0, 208}, {64, 256, 0}};
    const std::string text = mapc::WriteMapSource(map, "round.tm2");
    EXPECT_EQ(text.find("header ="), std::string::npos) << text;
    EXPECT_NE(text.find("= empty + 208"), std::string::npos) << text;
    ExpectStableRoundTrip(map);
}

} // namespace
