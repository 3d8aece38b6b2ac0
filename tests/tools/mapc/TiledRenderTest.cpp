// A stage exported for the Tiled editor renders with its real tiles in Tiled
// itself: tmxrasterizer (package tiled) draws the exported map, and every
// cell with scenery and nothing over it must show the sheet's chip, not the
// red cross Tiled draws for a picture it cannot read.
#include <gtest/gtest.h>

#include <SDL_image.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "tools/mapc/Tm2File.h"
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct SurfaceFree {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using Surface = std::unique_ptr<SDL_Surface, SurfaceFree>;

// The picture as 32-bit RGBA, or null.
Surface LoadRgba(const fs::path& path) {
    const Surface loaded(IMG_Load(path.c_str()));
    return Surface(loaded ? SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_RGBA32, 0)
                          : nullptr);
}

const std::uint8_t* Pixel(const SDL_Surface& s, int x, int y) {
    return static_cast<const std::uint8_t*>(s.pixels) + y * s.pitch + x * 4;
}

// Whether the 32 x 32 block at (x, y) of the render shows the sheet's block at
// (sx, sy): the same alpha, and the same colour wherever something is drawn
// (the editor blends in premultiplied colour, so a step of rounding is allowed).
bool SameBlock(const SDL_Surface& render, int x, int y, const SDL_Surface& sheet, int sx, int sy) {
    for (int dy = 0; dy < 32; ++dy) {
        for (int dx = 0; dx < 32; ++dx) {
            const std::uint8_t* a = Pixel(render, x + dx, y + dy);
            const std::uint8_t* b = Pixel(sheet, sx + dx, sy + dy);
            if (std::abs(a[3] - b[3]) > 2) {
                return false;
            }
            for (int c = 0; b[3] > 16 && c < 3; ++c) {
                if (std::abs(a[c] - b[c]) > 4) {
                    return false;
                }
            }
        }
    }
    return true;
}

int Shell(const std::string& command) {
    const int raw = std::system(command.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

TEST(TiledRender, AnExportedStageShowsTheSheetsTilesInTheEditor) {
    ASSERT_EQ(Shell("command -v tmxrasterizer >/dev/null"), 0)
        << "tmxrasterizer is missing: scripts/deps.sh installs the package tiled";
    const fs::path dir =
        fs::temp_directory_path() / ("vrels-tiled-render-" + std::to_string(getpid()));
    fs::remove_all(dir);
    ASSERT_TRUE(fs::create_directories(dir));
    const std::string stage = std::string(VRELS_GAME_DIR) + "/map/stage1_1.tm2";
    const std::string quiet = " >'" + (dir / "out.txt").string() + "' 2>&1";

    ASSERT_EQ(Shell("cd '" + dir.string() + "' && '" VRELS_TOOLS_DIR "/vrels-mapc' --tmx '" +
                    stage + "' -o stage.tmx" + quiet),
              0)
        << ReadText(dir / "out.txt");
    EXPECT_NE(ReadText(dir / "stage.tmx").find("<image source=\"mapchip.png\""), std::string::npos);
    ASSERT_TRUE(fs::exists(dir / "mapchip.png")) << "the PNG copy beside the map";
    ASSERT_EQ(Shell("cd '" + dir.string() +
                    "' && QT_QPA_PLATFORM=offscreen tmxrasterizer stage.tmx render.png" + quiet),
              0)
        << ReadText(dir / "out.txt");

    std::ifstream in(stage, std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
    const mapc::DecodeResult decoded = mapc::DecodeTm2(bytes);
    ASSERT_TRUE(decoded.ok) << decoded.error;
    const mapc::TileMap& map = decoded.map;
    const Surface render = LoadRgba(dir / "render.png");
    const Surface sheet = LoadRgba(std::string(VRELS_GAME_DIR) + "/gfx/mapchip.tga");
    ASSERT_TRUE(render && sheet) << IMG_GetError();
    ASSERT_EQ(render->w, map.width * 32);
    ASSERT_EQ(render->h, map.height * 32);

    int checked = 0;
    int shown = 0;
    for (int row = 0; row < map.height; ++row) {
        for (int column = 0; column < map.width; ++column) {
            const mapc::Cell& cell = map.At(column, row);
            const bool chip = (cell.chipX != 0 || cell.chipY != 0) && cell.chipX % 32 == 0 &&
                              cell.chipY % 32 == 0 && cell.chipX < sheet->w &&
                              cell.chipY < sheet->h;
            if (!chip || cell.objectCode != 0) {
                continue;
            }
            ++checked;
            shown += SameBlock(*render, column * 32, row * 32, *sheet, cell.chipX, cell.chipY);
        }
    }
    EXPECT_GT(checked, 100) << "the stage has scenery to look at";
    EXPECT_EQ(shown, checked) << "cells drawn without their tile";
    fs::remove_all(dir);
}
