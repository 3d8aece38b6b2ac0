// Every picture the game loads: present, a 32-bit TGA with alpha, and at
// least as large as every source rectangle the code takes from it.
#include "TgaFile.h"

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

const std::string kGameDir = VRELS_GAME_DIR;

enum class Owner { Interface, World };

struct PictureSize {
    const char* path;
    int minWidth, minHeight;     // the largest extent any source rectangle reaches
    int exactWidth, exactHeight; // 0: any size at least the minimum
    Owner owner;
};

// Sizes follow the frame layouts the drawing code reads: frame size times
// frame count along each axis. Files drawn whole have a minimum of 1.
const PictureSize kPictures[] = {
    {"gfx/number.tga", 320, 48, 320, 48, Owner::Interface},
    {"gfx/black.tga", 640, 480, 640, 480, Owner::Interface},
    {"gfx/white.tga", 640, 480, 640, 480, Owner::Interface},
    {"gfx/font_normal.tga", 512, 256, 512, 256, Owner::Interface},
    {"gfx/font_orange.tga", 512, 256, 512, 256, Owner::Interface},
    {"gfx/font_green.tga", 512, 256, 512, 256, Owner::Interface},
    {"gfx/coin.tga", 240, 48, 240, 48, Owner::Interface},
    {"gfx/magazine.tga", 64, 64, 64, 64, Owner::Interface},
    {"gfx/1up.tga", 64, 64, 64, 64, Owner::Interface},
    {"gfx/midpoint.tga", 1, 1, 0, 0, Owner::Interface},
    {"gfx/mirror_base.tga", 160, 192, 160, 192, Owner::Interface},
    {"gfx/mirror_black.tga", 160, 192, 160, 192, Owner::Interface},
    {"gfx/mirror_highlight.tga", 160, 192, 160, 192, Owner::Interface},
    {"gfx/SkarovBullet.tga", 1, 1, 0, 0, Owner::Interface},
    {"gfx/SkarovBulletCase.tga", 1, 1, 0, 0, Owner::Interface},
    {"gfx/dust.tga", 384, 32, 384, 32, Owner::Interface},
    {"gfx/blood.tga", 768, 192, 768, 192, Owner::Interface},
    {"gfx/bomb.tga", 768, 192, 768, 192, Owner::Interface},
    {"gfx/hit_wall.tga", 768, 192, 768, 192, Owner::Interface},
    {"gfx/item_get.tga", 1152, 96, 1152, 96, Owner::Interface},
    {"gfx/baku.tga", 1, 1, 0, 0, Owner::Interface},
    {"gfx/effect.tga", 160, 68, 0, 0, Owner::Interface},
    {"gfx/goal_effect.tga", 176, 285, 176, 285, Owner::Interface},
    {"gfx/floating.tga", 80, 16, 80, 16, Owner::Interface},
    {"gfx/frame/time.tga", 64, 16, 64, 16, Owner::Interface},
    {"gfx/frame/score.tga", 1, 1, 0, 0, Owner::Interface},
    {"gfx/frame/stock_gauge.tga", 1, 1, 0, 0, Owner::Interface},
    {"gfx/frame/skarov_gauge.tga", 1, 1, 0, 0, Owner::Interface},
    {"gfx/frame/magazine_gauge.tga", 1, 1, 0, 0, Owner::Interface},
    {"gfx/frame/bullet_gauge.tga", 1, 1, 0, 0, Owner::Interface},
    {"gfx/frame/bullet.tga", 1, 1, 0, 0, Owner::Interface},
    {"gfx/title_base.tga", 640, 480, 640, 480, Owner::Interface},
    {"gfx/title_logo.tga", 1, 1, 0, 0, Owner::Interface},
    {"gfx/title_menu.tga", 384, 160, 384, 160, Owner::Interface},
    {"gfx/options_keys.tga", 256, 64, 256, 64, Owner::Interface},
    {"gfx/logo/pimbrel1.tga", 1, 1, 0, 0, Owner::Interface},
    {"gfx/logo/pimbrel2.tga", 1, 1, 0, 0, Owner::Interface},
    {"gfx/logo/pimbrel3.tga", 1, 1, 0, 0, Owner::Interface},
    {"gfx/logo/pimbrel4.tga", 1, 1, 0, 0, Owner::Interface},
    {"gfx/logo/pimbrel5.tga", 1, 1, 0, 0, Owner::Interface},
    {"gfx/logo/pimbrel_cat.tga", 1, 1, 0, 0, Owner::Interface},
    {"gfx/logo/pimbrel_sub.tga", 1, 1, 0, 0, Owner::Interface},
    {"gfx/logo/pimbrel_circle.tga", 1, 1, 0, 0, Owner::Interface},
    {"gfx/logo/lorrowind.tga", 313, 67, 313, 67, Owner::Interface},
    {"gfx/logo/presents.tga", 104, 26, 104, 26, Owner::Interface},
    {"gfx/logo/gameover.tga", 1, 1, 0, 0, Owner::Interface},
    {"gfx/back.tga", 640, 480, 0, 0, Owner::Interface},
    {"gfx/kabe.tga", 256, 256, 256, 256, Owner::Interface},
    {"gfx/ranking.tga", 183, 28, 0, 0, Owner::Interface},
    {"gfx/entory_number.tga.tga", 130, 16, 130, 16, Owner::Interface},
    {"gfx/mary/mary.tga", 576, 576, 576, 576, Owner::World},
    {"gfx/mapchip.tga", 640, 1024, 0, 0, Owner::World},
    {"gfx/bg/bg1.tga", 1280, 960, 1280, 960, Owner::World},
    {"gfx/bg/bg2.tga", 1280, 960, 1280, 960, Owner::World},
    {"gfx/bg/bg3.tga", 1280, 960, 1280, 960, Owner::World},
    {"gfx/bg/bg4.tga", 1280, 960, 1280, 960, Owner::World},
    {"gfx/bg/bg5.tga", 1280, 960, 1280, 960, Owner::World},
    {"gfx/bg/bg6.tga", 1280, 960, 1280, 960, Owner::World},
    {"gfx/enemy/dummy.tga", 32, 32, 0, 0, Owner::World},
    {"gfx/enemy/brain.tga", 96, 32, 0, 0, Owner::World},
    {"gfx/enemy/met.tga", 96, 32, 0, 0, Owner::World},
    {"gfx/enemy/togezo.tga", 128, 64, 0, 0, Owner::World},
    {"gfx/enemy/monoeye.tga", 192, 64, 0, 0, Owner::World},
    {"gfx/enemy/ghost.tga", 192, 64, 0, 0, Owner::World},
    {"gfx/enemy/patapata.tga", 288, 96, 0, 0, Owner::World},
    {"gfx/enemy/death.tga", 192, 96, 0, 0, Owner::World},
    {"gfx/enemy/mecha.tga", 128, 288, 0, 0, Owner::World},
    {"gfx/enemy/marionette.tga", 128, 96, 0, 0, Owner::World},
    {"gfx/enemy/fireball.tga", 1, 1, 0, 0, Owner::World},
    {"gfx/enemy/knife.tga", 1, 1, 0, 0, Owner::World},
    {"gfx/enemy/beam.tga", 1, 1, 0, 0, Owner::World},
    {"gfx/enemy/burner.tga", 64, 96, 0, 0, Owner::World},
    {"gfx/enemy/guruguru.tga", 96, 32, 0, 0, Owner::World},
    {"gfx/enemy/fesbio_brain.tga", 288, 96, 0, 0, Owner::World},
    {"gfx/enemy/fesbio_snake.tga", 704, 192, 0, 0, Owner::World},
    {"gfx/enemy/marfes.tga", 640, 160, 0, 0, Owner::World},
    {"gfx/enemy/marfes2.tga", 1280, 680, 0, 0, Owner::World},
};

class PictureFiles : public testing::TestWithParam<PictureSize> {};

TEST_P(PictureFiles, IsA32BitTgaLargeEnoughForItsFrames) {
    const PictureSize& p = GetParam();
    const std::string path = kGameDir + "/" + p.path;
    if (p.owner == Owner::World && !std::filesystem::exists(path)) {
        GTEST_SKIP() << p.path << " is not drawn yet";
    }
    TgaImage image;
    std::string error;
    ASSERT_TRUE(ReadTga(path, image, error)) << p.path << ": " << error;
    EXPECT_GE(image.width, p.minWidth) << p.path;
    EXPECT_GE(image.height, p.minHeight) << p.path;
    if (p.exactWidth != 0) {
        EXPECT_EQ(image.width, p.exactWidth) << p.path;
        EXPECT_EQ(image.height, p.exactHeight) << p.path;
    }
    bool anyVisible = false;
    for (size_t i = 3; i < image.rgba.size() && !anyVisible; i += 4) {
        anyVisible = image.rgba[i] != 0;
    }
    EXPECT_TRUE(anyVisible) << p.path << " is fully transparent";
}

std::string PictureName(const testing::TestParamInfo<PictureSize>& info) {
    std::string name = info.param.path;
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) {
            c = '_';
        }
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Game, PictureFiles, testing::ValuesIn(kPictures), PictureName);

// The title logo must leave room for the version text the title draws
// inside it and stay within the area kept free on the key art.
TEST(TitlePictures, LogoFitsItsArea) {
    TgaImage logo;
    std::string error;
    ASSERT_TRUE(ReadTga(kGameDir + "/gfx/title_logo.tga", logo, error)) << error;
    EXPECT_LE(logo.width, 340);
    EXPECT_LE(logo.height, 130);
}

// The full-screen fills are opaque everywhere.
TEST(TitlePictures, BlackAndWhiteAreOpaqueFills) {
    for (const auto& [file, value] : {std::pair<const char*, int>{"gfx/black.tga", 0},
                                      std::pair<const char*, int>{"gfx/white.tga", 255}}) {
        TgaImage image;
        std::string error;
        ASSERT_TRUE(ReadTga(kGameDir + "/" + file, image, error)) << error;
        for (size_t i = 0; i < image.rgba.size(); i += 4) {
            ASSERT_EQ(image.rgba[i], value) << file;
            ASSERT_EQ(image.rgba[i + 3], 255) << file;
        }
    }
}

// SDL_image must read our files with the same orientation and channel
// order as our own reader: the engine loads them through IMG_Load.
TEST(TgaLoading, SdlImageReadsPixelsUpright) {
    const std::string path = kGameDir + "/gfx/title_menu.tga";
    TgaImage ours;
    std::string error;
    ASSERT_TRUE(ReadTga(path, ours, error)) << error;
    SDL_Surface* loaded = IMG_Load(path.c_str());
    ASSERT_NE(loaded, nullptr) << IMG_GetError();
    SDL_Surface* rgba = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGBA32, 0);
    SDL_FreeSurface(loaded);
    ASSERT_NE(rgba, nullptr) << SDL_GetError();
    ASSERT_EQ(rgba->w, ours.width);
    ASSERT_EQ(rgba->h, ours.height);
    int mismatches = 0;
    for (int y = 0; y < rgba->h; ++y) {
        const uint8_t* row = static_cast<const uint8_t*>(rgba->pixels) + y * rgba->pitch;
        for (int x = 0; x < rgba->w; ++x) {
            for (int c = 0; c < 4; ++c) {
                mismatches += row[x * 4 + c] != ours.At(x, y, c) ? 1 : 0;
            }
        }
    }
    SDL_FreeSurface(rgba);
    EXPECT_EQ(mismatches, 0);
}

} // namespace
