#include "PieceLayout.h"
#include "Manifest.h"

#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>
#include <string>

using namespace musicgen;

namespace {

std::string WriteTemp(const std::string& name, const std::string& text) {
    const std::string path = ::testing::TempDir() + name;
    std::ofstream(path) << text;
    return path;
}

} // namespace

TEST(PieceLayoutTest, ReadsTheMeterAndDirectivesAndNamesBadLines) {
    const PieceLayout layout = ReadPieceLayout(
        WriteTemp("musicgen_jig.abc", "X:1\nT:Jig\nM:6/8\nL:1/8\n%vrels intro-bars 4\n"
                                      "%vrels loop-bars 64\n%vrels join 0.02\nK:Em\nM:3/4\n"));
    EXPECT_EQ(layout.title, "Jig");
    EXPECT_EQ(layout.BarTicks(480), 1440); // the first meter counts
    EXPECT_EQ(layout.introBars, 4);
    EXPECT_EQ(layout.loopBars, 64);
    EXPECT_DOUBLE_EQ(layout.joinSeconds, 0.02);
    EXPECT_TRUE(layout.Loops());

    try {
        ReadPieceLayout(WriteTemp("musicgen_bad.abc", "X:1\nM:4/4\n%vrels loop-bars many\n"));
        FAIL() << "a bad value was accepted";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find(":3:"), std::string::npos) << error.what();
    }
    EXPECT_THROW(ReadPieceLayout(WriteTemp("musicgen_typo.abc", "%vrels loops 3\n")),
                 std::runtime_error);
}

TEST(PieceLayoutTest, ManifestKeepsSpacesInFileNames) {
    const auto entries = ReadManifest(
        WriteTemp("musicgen_pieces.txt",
                  "# comment\n\nboss intro  bgm/Wrong Heart_a.ogg\r\nboss loop bgm/b.ogg\n"));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].piece, "boss");
    EXPECT_EQ(entries[0].role, FileRole::Intro);
    EXPECT_EQ(entries[0].file, "bgm/Wrong Heart_a.ogg");
    EXPECT_EQ(entries[1].role, FileRole::Loop);
    EXPECT_THROW(ReadManifest(WriteTemp("musicgen_badrole.txt", "boss middle bgm/x.ogg\n")),
                 std::runtime_error);
}
