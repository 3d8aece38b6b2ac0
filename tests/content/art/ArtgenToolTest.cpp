// vrels-artgen as the build runs it: byte-identical output, straight alpha
// with bled edge colours, and clear errors for broken manifests.
#include "TgaFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const std::string kTool = std::string(VRELS_TOOLS_DIR) + "/vrels-artgen";
const std::string kArtDir = VRELS_ART_DIR;
const std::string kGameDir = VRELS_GAME_DIR;

class ArtgenTool : public testing::Test {
protected:
    void SetUp() override {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() /
               (std::string("vrels-artgen-") + info->name() + "-" + std::to_string(getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "art");
    }
    void TearDown() override { fs::remove_all(dir_); }

    void WriteFile(const std::string& name, const std::string& text) {
        std::ofstream(dir_ / "art" / name) << text;
    }
    // Runs the tool on one manifest of the art folder; returns its exit code
    // and keeps its error output.
    int Run(const std::string& artDir, const std::string& manifest, const fs::path& out) {
        const fs::path log = dir_ / "stderr.txt";
        const std::string command = kTool + " --art-dir " + artDir + " --game-dir " + out.string() +
                                    " " + artDir + "/" + manifest + " >/dev/null 2>" + log.string();
        const int status = std::system(command.c_str());
        std::ifstream in(log);
        errors_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        return WEXITSTATUS(status);
    }

    fs::path dir_;
    std::string errors_;
};

// Rendering the same sources again gives the files the build produced, byte
// for byte, so the build output is reproducible and up to date.
TEST_F(ArtgenTool, RerenderingGivesIdenticalBytes) {
    for (const char* manifest :
         {"fonts.manifest", "items.manifest", "effects.manifest", "menu.manifest", "logo.manifest",
          "world.manifest", "end.manifest"}) {
        ASSERT_EQ(Run(kArtDir, manifest, dir_ / "game"), 0) << errors_;
    }
    int compared = 0;
    for (const auto& entry : fs::recursive_directory_iterator(dir_ / "game")) {
        if (!entry.is_regular_file()) {
            continue;
        }
        const fs::path relative = fs::relative(entry.path(), dir_ / "game");
        EXPECT_EQ(ReadBytes(entry.path().string()), ReadBytes(kGameDir + "/" + relative.string()))
            << relative;
        ++compared;
    }
    EXPECT_GT(compared, 10);
}

// A half-transparent red square over nothing: its edge pixels keep their
// full colour (not darkened by premultiplication), and the transparent
// pixels around it carry red too, so filtering never blends towards black.
TEST_F(ArtgenTool, WritesStraightAlphaWithBledEdges) {
    WriteFile("square.svg", R"(<svg xmlns="http://www.w3.org/2000/svg" width="16" height="16">
  <rect x="4.5" y="4" width="8" height="8" fill="#ff2000" fill-opacity="0.5"/></svg>)");
    WriteFile("test.manifest", "# one square\nsvg out.tga 16 16 square.svg\n");
    ASSERT_EQ(Run((dir_ / "art").string(), "test.manifest", dir_ / "game"), 0) << errors_;
    TgaImage image;
    std::string error;
    ASSERT_TRUE(ReadTga((dir_ / "game/out.tga").string(), image, error)) << error;
    // Interior: half alpha, full red.
    EXPECT_NEAR(image.At(8, 8, 3), 128, 2);
    EXPECT_NEAR(image.At(8, 8, 0), 255, 2);
    EXPECT_NEAR(image.At(8, 8, 1), 32, 2);
    // Left edge column is covered by half a pixel: a quarter alpha, same colour.
    EXPECT_NEAR(image.At(4, 8, 3), 64, 2);
    EXPECT_NEAR(image.At(4, 8, 0), 255, 3);
    // Far corner: nothing there, but the colour is the square's.
    EXPECT_EQ(image.At(0, 0, 3), 0);
    EXPECT_NEAR(image.At(0, 0, 0), 255, 3);
    EXPECT_NEAR(image.At(0, 0, 1), 32, 3);
}

TEST_F(ArtgenTool, ReportsTheManifestLineOfAnError) {
    WriteFile("bad.manifest", "# fine\nsvg out.tga 16 16 missing.svg\n");
    EXPECT_NE(Run((dir_ / "art").string(), "bad.manifest", dir_ / "game"), 0);
    EXPECT_NE(errors_.find("bad.manifest:2"), std::string::npos) << errors_;

    WriteFile("unknown.manifest", "picture out.tga 8 8\nlayer a.svg wobble=3\nend\n");
    EXPECT_NE(Run((dir_ / "art").string(), "unknown.manifest", dir_ / "game"), 0);
    EXPECT_NE(errors_.find("unknown option 'wobble'"), std::string::npos) << errors_;

    WriteFile("open.manifest", "sheet out.tga 8 8 2 1\n");
    EXPECT_NE(Run((dir_ / "art").string(), "open.manifest", dir_ / "game"), 0);
    EXPECT_NE(errors_.find("missing 'end'"), std::string::npos) << errors_;
}

// Frame ranges spread key values evenly: frame 0 gets the first key, the
// last frame the last, and a layer outside the sheet is refused.
TEST_F(ArtgenTool, InterpolatesKeysAcrossAFrameRange) {
    WriteFile("dot.svg", R"(<svg xmlns="http://www.w3.org/2000/svg" width="8" height="8">
  <rect width="8" height="8" fill="#ffffff"/></svg>)");
    WriteFile("fade.manifest",
              "sheet fade.tga 8 8 3 1\nlayer dot.svg frames=0-2 opacity=1:0\nend\n");
    ASSERT_EQ(Run((dir_ / "art").string(), "fade.manifest", dir_ / "game"), 0) << errors_;
    TgaImage image;
    std::string error;
    ASSERT_TRUE(ReadTga((dir_ / "game/fade.tga").string(), image, error)) << error;
    EXPECT_EQ(image.At(4, 4, 3), 255);
    EXPECT_NEAR(image.At(12, 4, 3), 128, 2);
    EXPECT_EQ(image.At(20, 4, 3), 0);

    WriteFile("outside.manifest", "sheet o.tga 8 8 3 1\nlayer dot.svg frame=3\nend\n");
    EXPECT_NE(Run((dir_ / "art").string(), "outside.manifest", dir_ / "game"), 0);
    EXPECT_NE(errors_.find("outside the sheet"), std::string::npos) << errors_;
}

// A review run from the repository root as the README shows it: the sheet
// is written (its folder made), and no game folder appears where it ran.
TEST_F(ArtgenTool, AContactSheetWritesNoGameData) {
    const fs::path work = dir_ / "checkout";
    fs::create_directories(work);
    const fs::path log = dir_ / "stderr.txt";
    const auto errors = [&log] {
        std::ifstream in(log);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    };
    const std::string command = "cd " + work.string() + " && " + kTool + " --art-dir " + kArtDir +
                                " --contact-sheet review/sheet.png " + kArtDir +
                                "/items.manifest >/dev/null 2>" + log.string();
    ASSERT_EQ(WEXITSTATUS(std::system(command.c_str())), 0) << errors();
    EXPECT_GT(fs::file_size(work / "review/sheet.png"), 1000u);
    int entries = 0;
    for (const auto& entry : fs::directory_iterator(work)) {
        EXPECT_EQ(entry.path().filename(), "review") << "stray output " << entry.path();
        ++entries;
    }
    EXPECT_EQ(entries, 1);

    // Without any output named there is nothing to do: an error, no files.
    const std::string bare = "cd " + work.string() + " && " + kTool + " --art-dir " + kArtDir +
                             " >/dev/null 2>" + log.string();
    EXPECT_NE(WEXITSTATUS(std::system(bare.c_str())), 0);
    EXPECT_NE(errors().find("--game-dir"), std::string::npos);
    EXPECT_FALSE(fs::exists(work / "game"));
}

// The preview folder and the contact sheet's folder are made when missing;
// one that cannot be made is an error with a non-zero exit.
TEST_F(ArtgenTool, OutputFoldersAreCreatedOrReported) {
    WriteFile("one.manifest", "picture gfx/one.tga 4 4\nend\n");
    const fs::path previews = dir_ / "previews" / "nested";
    const fs::path sheet = dir_ / "sheets" / "all.png";
    const std::string art = (dir_ / "art").string();
    const std::string base = kTool + " --art-dir " + art + " --game-dir " +
                             (dir_ / "game").string() + " " + art + "/one.manifest";
    ASSERT_EQ(std::system((base + " --preview-dir " + previews.string() + " --contact-sheet " +
                           sheet.string() + " >/dev/null 2>&1")
                              .c_str()),
              0);
    EXPECT_TRUE(fs::exists(previews / "gfx_one.tga.png"));
    EXPECT_TRUE(fs::exists(sheet));
    std::ofstream(dir_ / "blocker") << "a file where a folder should be";
    const int status = std::system(
        (base + " --preview-dir " + (dir_ / "blocker" / "x").string() + " >/dev/null 2>&1")
            .c_str());
    EXPECT_NE(WEXITSTATUS(status), 0);
}

} // namespace
