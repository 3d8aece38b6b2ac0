// A stage exported for the Tiled editor renders with its real tiles in Tiled
// itself: tmxrasterizer (package tiled) draws the exported map, and every
// cell must show the sheet's chip, with the object layer's chip over it, not
// the red cross Tiled draws for a picture it cannot read.
#include <gtest/gtest.h>

#include <SDL_image.h>
#include <sys/wait.h>

#include <array>
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

using Rgba = std::array<int, 4>;

Rgba At(const SDL_Surface& s, int x, int y) {
    const std::uint8_t* p = static_cast<const std::uint8_t*>(s.pixels) + y * s.pitch + x * 4;
    return {p[0], p[1], p[2], p[3]};
}

// The sheet's 32 x 32 chip at pixel (left, top), or nothing when the cell has
// none there (the empty chip, a code beyond the sheet or off its grid).
struct Chip {
    bool present = false;
    int left = 0;
    int top = 0;
};

Chip ChipAt(int left, int top, const SDL_Surface& sheet) {
    const bool onSheet = (left != 0 || top != 0) && left % 32 == 0 && top % 32 == 0 && left >= 0 &&
                         top >= 0 && left < sheet.w && top < sheet.h;
    return {onSheet, left, top};
}

// What the editor should show at one pixel: the object's chip laid over the
// cell's chip (straight alpha, as in the pictures).
Rgba Expected(const SDL_Surface& sheet, const Chip& chip, const Chip& object, int dx, int dy) {
    const Rgba under = chip.present ? At(sheet, chip.left + dx, chip.top + dy) : Rgba{0, 0, 0, 0};
    if (!object.present) {
        return under;
    }
    const Rgba over = At(sheet, object.left + dx, object.top + dy);
    const double a = over[3] / 255.0;
    const double b = under[3] / 255.0 * (1.0 - a);
    const double alpha = a + b;
    Rgba out{0, 0, 0, static_cast<int>(alpha * 255.0 + 0.5)};
    for (int c = 0; alpha > 0 && c < 3; ++c) {
        out[c] = static_cast<int>((over[c] * a + under[c] * b) / alpha + 0.5);
    }
    return out;
}

// Whether the 32 x 32 block at (x, y) of the render shows what the cell
// should: the same alpha, and the same colour wherever something is drawn
// (the editor blends in premultiplied colour, so a few steps of rounding are
// allowed).
bool ShowsCell(const SDL_Surface& render, int x, int y, const SDL_Surface& sheet, const Chip& chip,
               const Chip& object) {
    for (int dy = 0; dy < 32; ++dy) {
        for (int dx = 0; dx < 32; ++dx) {
            const Rgba got = At(render, x + dx, y + dy);
            const Rgba want = Expected(sheet, chip, object, dx, dy);
            if (std::abs(got[3] - want[3]) > 2) {
                return false;
            }
            for (int c = 0; want[3] > 16 && c < 3; ++c) {
                if (std::abs(got[c] - want[c]) > 6) {
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

struct Shown {
    int chips = 0;      // cells with a chip and no object
    int objects = 0;    // cells with an object code on the sheet
    int wrongChips = 0; // of those, drawn otherwise
    int wrongObjects = 0;
};

// Exports the game's stage to TMX in a scratch folder, renders it with the
// editor's own renderer and compares every cell with the sheet.
Shown RenderStage(const std::string& name) {
    Shown shown;
    const fs::path dir =
        fs::temp_directory_path() / ("vrels-tiled-render-" + name + "-" + std::to_string(getpid()));
    fs::remove_all(dir);
    EXPECT_TRUE(fs::create_directories(dir));
    const std::string stage = std::string(VRELS_GAME_DIR) + "/map/" + name + ".tm2";
    const std::string quiet = " >'" + (dir / "out.txt").string() + "' 2>&1";

    EXPECT_EQ(Shell("cd '" + dir.string() + "' && '" VRELS_TOOLS_DIR "/vrels-mapc' --tmx '" +
                    stage + "' -o stage.tmx" + quiet),
              0)
        << ReadText(dir / "out.txt");
    EXPECT_NE(ReadText(dir / "stage.tmx").find("<image source=\"mapchip.png\""), std::string::npos);
    EXPECT_TRUE(fs::exists(dir / "mapchip.png")) << "the PNG copy beside the map";
    EXPECT_EQ(Shell("cd '" + dir.string() +
                    "' && QT_QPA_PLATFORM=offscreen tmxrasterizer stage.tmx render.png" + quiet),
              0)
        << ReadText(dir / "out.txt");

    std::ifstream in(stage, std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
    const mapc::DecodeResult decoded = mapc::DecodeTm2(bytes);
    EXPECT_TRUE(decoded.ok) << decoded.error;
    const mapc::TileMap& map = decoded.map;
    const Surface render = LoadRgba(dir / "render.png");
    const Surface sheet = LoadRgba(std::string(VRELS_GAME_DIR) + "/gfx/mapchip.tga");
    if (!render || !sheet || render->w != map.width * 32 || render->h != map.height * 32) {
        ADD_FAILURE() << name << ": no render of the map's size: " << IMG_GetError();
        return shown;
    }
    for (int row = 0; row < map.height; ++row) {
        for (int column = 0; column < map.width; ++column) {
            const mapc::Cell& cell = map.At(column, row);
            const Chip chip = ChipAt(cell.chipX, cell.chipY, *sheet);
            const Chip object = cell.objectCode == 0 ? Chip{}
                                                     : ChipAt(cell.objectCode / 100 * 32,
                                                              cell.objectCode % 100 * 32, *sheet);
            const bool right = ShowsCell(*render, column * 32, row * 32, *sheet, chip, object);
            if (object.present) {
                ++shown.objects;
                shown.wrongObjects += !right;
            } else if (chip.present && cell.objectCode == 0) {
                ++shown.chips;
                shown.wrongChips += !right;
            }
        }
    }
    fs::remove_all(dir);
    return shown;
}

} // namespace

TEST(TiledRender, ExportedStagesShowTheSheetsTilesAndObjectsInTheEditor) {
    ASSERT_EQ(Shell("command -v tmxrasterizer >/dev/null"), 0)
        << "tmxrasterizer is missing: scripts/deps.sh installs the package tiled";
    // A stage of scenery only, and one whose objects layer puts flame jets
    // over chimney pots.
    const Shown scenery = RenderStage("stage1_1");
    EXPECT_GT(scenery.chips, 100) << "the stage has scenery to look at";
    EXPECT_EQ(scenery.wrongChips, 0) << "cells drawn without their tile";
    const Shown layered = RenderStage("stage2_2");
    EXPECT_GT(layered.chips, 100);
    EXPECT_EQ(layered.wrongChips, 0);
    EXPECT_GT(layered.objects, 0) << "the stage's objects layer";
    EXPECT_EQ(layered.wrongObjects, 0) << "objects drawn without their chip over the cell's";
}
