#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tools/mapc/MapSource.h"
#include "tools/mapc/Tm2File.h"
#include "tools/mapc/TmxFile.h"

namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

mapc::TileMap CompileSource(const std::string& text, const std::string& name = "round.map") {
    mapc::Diagnostics diagnostics(name);
    auto map = mapc::ParseMapSource(text, diagnostics);
    std::string messages;
    for (const mapc::Diagnostic& entry : diagnostics.All()) {
        messages += diagnostics.Format(entry) + "\n";
    }
    EXPECT_TRUE(map) << messages;
    return map ? *map : mapc::TileMap{};
}

struct TmxRead {
    std::optional<mapc::TileMap> map;
    std::string messages;
};

TmxRead ReadTmx(const std::string& text, const std::map<std::string, std::string>& files = {}) {
    mapc::Diagnostics diagnostics("level.tmx");
    TmxRead result;
    result.map = mapc::ReadTmx(text, diagnostics, [&](const std::string& path, std::string& out) {
        const auto found = files.find(path);
        if (found == files.end()) {
            return false;
        }
        out = found->second;
        return true;
    });
    for (const mapc::Diagnostic& entry : diagnostics.All()) {
        result.messages += diagnostics.Format(entry) + "\n";
    }
    return result;
}

// Map -> TMX -> map must give the same bytes, and the text written from both
// maps must be the same.
void ExpectLosslessTrip(const mapc::TileMap& map) {
    const std::string tmx = mapc::WriteTmx(map, "mapchip.tga");
    const TmxRead back = ReadTmx(tmx);
    ASSERT_TRUE(back.map) << back.messages << tmx;
    EXPECT_EQ(mapc::EncodeTm2(*back.map), mapc::EncodeTm2(map));
    EXPECT_EQ(mapc::WriteMapSource(*back.map, "x"), mapc::WriteMapSource(map, "x"));
}

TEST(Tmx, EveryStageSourceSurvivesTheTripThroughTheEditor) {
    int checked = 0;
    for (const auto& entry : fs::directory_iterator(VRELS_SOURCE_DIR "/content/maps")) {
        if (entry.path().extension() != ".map") {
            continue;
        }
        SCOPED_TRACE(entry.path().filename().string());
        ExpectLosslessTrip(CompileSource(ReadText(entry.path()), entry.path().filename()));
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

TEST(Tmx, WhatTheTileLayersCannotShowTravelsInMapProperties) {
    // Raw pixels off the grid, an object code beyond the sheet's 32 rows
    // (column 3, row 40), a foreign header, spare words and no start marker.
    const std::string source = "vrels-map 1\n"
                               "start = optional\n"
                               "words = 7 -1\n"
                               "header = " +
                               std::string(94, '0') + "2a\n" +
                               "\".\" = empty\n"
                               "\"#\" = 100\n"
                               "\"@\" = @352,70\n"
                               "\"x\" = 340\n"
                               "\"k\" = 1010 + 340\n"
                               "chips:\n"
                               "|.@.k|\n"
                               "|####|\n"
                               "objects:\n"
                               "|..x.|\n"
                               "|....|\n";
    // The objects layer cannot combine with a "+" entry on the same cell, so
    // the "+" entry sits on its own cell.
    const mapc::TileMap map = CompileSource(source);
    ASSERT_EQ(map.width, 4);
    const std::string tmx = mapc::WriteTmx(map, "mapchip.tga");
    EXPECT_NE(tmx.find("name=\"vrels-cells\""), std::string::npos);
    EXPECT_NE(tmx.find("name=\"vrels-start\" value=\"optional\""), std::string::npos);
    EXPECT_NE(tmx.find("value=\"7 -1\""), std::string::npos);
    ExpectLosslessTrip(map);
}

TEST(Tmx, TileIdsFollowTheSheetAndCodesTheirCells) {
    const mapc::TileMap map = CompileSource("vrels-map 1\n\".\" = empty\n\"S\" = 709\n"
                                            "\"c\" = 1010 + 208\n"
                                            "chips:\n|.Sc|\n");
    const std::string tmx = mapc::WriteTmx(map, "../gfx/mapchip.tga");
    // 709 is column 7, row 9 -> tile 9 * 20 + 7 = 187, gid 188; scenery 1010
    // is column 10, row 10 -> tile 210, gid 211; coin 208 -> tile 162, gid 163.
    EXPECT_NE(tmx.find("\n0,188,211\n</data>"), std::string::npos) << tmx;
    EXPECT_NE(tmx.find("\n0,0,163\n</data>"), std::string::npos) << tmx;
    EXPECT_NE(tmx.find("source=\"../gfx/mapchip.tga\" width=\"640\" height=\"1024\""),
              std::string::npos);
}

TEST(Tmx, ReadsWhatTheEditorSavesAfterEditing) {
    // Attributes reordered, an external tileset with another first gid, a
    // base64 chips layer, an XML-element objects layer, comments and entities.
    const std::string tmx = R"(<?xml version="1.0" encoding="UTF-8"?>
<!-- saved by an editor -->
<map tiledversion="1.10.2" version="1.10" height="1" width="3" orientation="orthogonal"
     renderorder="right-down" tileheight="32" tilewidth="32" infinite="0">
 <properties><property name="author" value="A &amp; B"/></properties>
 <tileset firstgid="5" source="sheet.tsx"/>
 <layer id="7" name="chips" width="3" height="1">
  <data encoding="base64">AAAAAMAAAAAAAAAA</data>
 </layer>
 <layer id="8" name="objects" width="3" height="1">
  <data><tile/><tile/><tile gid="167"/></data>
 </layer>
</map>
)";
    const std::string tsx = R"(<?xml version="1.0"?>
<tileset version="1.10" name="chips" tilewidth="32" tileheight="32" tilecount="640" columns="20">
 <image source="mapchip.tga" width="640" height="1024"/>
</tileset>)";
    const TmxRead read = ReadTmx(tmx, {{"sheet.tsx", tsx}});
    ASSERT_TRUE(read.map) << read.messages;
    // Chips 0, 192, 0: gid 192 - 5 = tile 187, the start marker; objects:
    // gid 167 - 5 = tile 162 = column 2, row 8, the coin.
    EXPECT_EQ(read.map->At(1, 0).chipX, 7 * 32);
    EXPECT_EQ(read.map->At(1, 0).chipY, 9 * 32);
    EXPECT_EQ(read.map->At(2, 0).objectCode, 208);
}

TEST(Tmx, RefusesWhatTheGameCouldNotShowWithAMessageNamingThePlace) {
    const auto tmxWith = [](const std::string& mapAttributes, const std::string& data,
                            const std::string& extra = "") {
        return "<map orientation=\"orthogonal\" tilewidth=\"32\" tileheight=\"32\" " +
               mapAttributes + ">\n<tileset firstgid=\"1\" tilewidth=\"32\" columns=\"20\"/>\n" +
               extra + "<layer name=\"chips\" width=\"2\" height=\"1\">\n" + data +
               "\n</layer>\n</map>\n";
    };
    const std::string size = "width=\"2\" height=\"1\"";
    const std::string good = "<data encoding=\"csv\">188,0</data>";
    ASSERT_TRUE(ReadTmx(tmxWith(size, good)).map) << ReadTmx(tmxWith(size, good)).messages;

    const struct {
        std::string tmx;
        std::string message;
    } cases[] = {
        {tmxWith(size, "<data encoding=\"csv\">2147483836,0</data>"), "flipped or rotated tile"},
        {tmxWith(size, "<data encoding=\"csv\">188,641</data>"), "column 2, row 1"},
        {tmxWith(size, "<data encoding=\"base64\" compression=\"zlib\">eJw=</data>"),
         "save the map with the layer format \"CSV\""},
        {tmxWith(size + " infinite=\"1\"", good), "infinite maps"},
        {tmxWith("width=\"3\" height=\"1\"", good), "not the size of the map"},
        {tmxWith(size, "<data encoding=\"csv\">188</data>"), "holds 1 cells, the map 2"},
        {tmxWith(size, "<data encoding=\"csv\">0,0</data>"), "no start marker"},
        {tmxWith(size, good, "<layer name=\"ground\" width=\"2\" height=\"1\"/>"),
         "unexpected tile layer \"ground\""},
        {tmxWith("width=\"1000\" height=\"1000\"", good), "more than 100000 cells"},
        {tmxWith(size, good) + "<extra/>", "text after the document element"},
        {tmxWith(size, "<data encoding=\"csv\">188,0"), "level.tmx:5: error: not a readable XML "
                                                        "file: </layer> closes <data>"},
        {"<map>", "element <map> is not closed"},
        {"<map orientation=\"isometric\"/>", "only orthogonal maps"},
        {"<map " + size +
             " tilewidth=\"32\" tileheight=\"32\"><tileset firstgid=\"1\" "
             "source=\"gone.tsx\"/></map>",
         "cannot read the tileset file gone.tsx"},
    };
    for (const auto& entry : cases) {
        const TmxRead read = ReadTmx(entry.tmx);
        EXPECT_FALSE(read.map) << entry.tmx;
        EXPECT_NE(read.messages.find(entry.message), std::string::npos)
            << "expected \"" << entry.message << "\" in: " << read.messages;
        EXPECT_EQ(read.messages.rfind("level.tmx:", 0), 0u) << read.messages;
    }
}

TEST(Tmx, DeeplyNestedOrTruncatedXmlIsRefusedNotCrashed) {
    std::string deep;
    for (int i = 0; i < 5000; ++i) {
        deep += "<a>";
    }
    EXPECT_FALSE(ReadTmx(deep).map);
    const std::string tmx = mapc::WriteTmx(
        CompileSource("vrels-map 1\n\".\" = empty\n\"S\" = 709\nchips:\n|S.|\n"), "m.tga");
    for (std::size_t cut = 0; cut + 1 < tmx.size(); cut += 7) {
        EXPECT_FALSE(ReadTmx(tmx.substr(0, cut)).map) << cut;
    }
}

} // namespace
