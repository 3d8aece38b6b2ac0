// Every text a player has to read, measured on the screen as the game
// composes it: each screen is played through the headless runner and saved,
// and in the box of each text line the fill of the letters must stand out
// from the pixels right around them by a luminance contrast of 4.5:1.
#include "ColourMath.h"
#include "app/Runner.h"

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr double kMinContrast = 4.5;

// A line of text on a screen: its label and the box that holds it.
struct TextBox {
    const char* label;
    int left, top, right, bottom;
};

// One screen: the scene, the keys pressed on the way (or a recorded run
// played as live buttons), the frame saved.
struct Screen {
    const char* name;
    const char* scene;
    const char* keys; // key script, "FRAME KEY ..." per line
    int frame;
    std::vector<TextBox> texts;
    const char* buttons = ""; // a replay file of the game folder
};

// The confirm key of the default bindings is Z; menus move on held arrows.
const Screen kScreens[] = {
    {"title menu",
     "TitleScene",
     "10 Z\n12\n20 Z\n22\n30 Z\n32\n40 Z\n42\n",
     99,
     {{"Arcade Mode (chosen)", 404, 262, 588, 290},
      {"Stage Select", 404, 294, 588, 322},
      {"Music Mode", 404, 326, 588, 354},
      {"Options", 404, 358, 588, 386},
      {"Quit", 404, 390, 588, 418}}},
    // The options list: the chosen row, dimmed labels and values, the help line.
    {"options",
     "OptionsScene",
     "",
     60,
     {{"Difficulty (chosen)", 118, 72, 240, 92},
      {"< NORMAL > (chosen)", 356, 72, 480, 92},
      {"Lives (dimmed)", 118, 93, 190, 113},
      {"3 (dimmed)", 356, 93, 380, 113},
      {"Back (dimmed)", 118, 408, 180, 428},
      {"help line", 120, 446, 540, 466}}},
    {"controls card",
     "OptionsScene",
     "20 UP\n22\n40 UP\n42\n60 UP\n62\n80 Z\n82\n",
     120,
     {{"heading KEYBOARD", 228, 68, 336, 88},
      {"label Move, crouch", 90, 104, 200, 124},
      {"label Paused: to title", 90, 294, 220, 314},
      {"key cap Z", 232, 140, 262, 164},
      {"key cap ESCAPE", 232, 406, 326, 430},
      {"help line", 240, 446, 420, 466}}},
    {"stage select",
     "StageSelectScene",
     "",
     60,
     {{"heading Stage Select", 96, 30, 240, 60}, {"STAGE 1-1 (chosen)", 96, 76, 240, 96}}},
    {"stage select on EXIT",
     "StageSelectScene",
     "20 UP\n22\n",
     80,
     {{"EXIT (chosen)", 96, 436, 170, 456}, {"STAGE 1-1 (dimmed)", 96, 76, 240, 96}}},
    // The lines not chosen are dimmed, and must still be read.
    {"music mode",
     "MusicModeScene",
     "",
     60,
     {{"Summon (chosen)", 116, 100, 260, 121},
      {"Under The Moon (dimmed)", 116, 125, 330, 146},
      {"Gameover (dimmed)", 116, 300, 260, 321},
      {"exit (dimmed)", 116, 350, 200, 371}}},
    {"music mode on exit",
     "MusicModeScene",
     "20 UP\n22\n",
     80,
     {{"exit (chosen)", 116, 350, 200, 371}}},
    {"name entry, capitals in front",
     "NameEntryScene",
     "",
     120,
     {{"time left", 26, 30, 140, 52}, {"chosen letter A", 270, 320, 322, 380}}},
    {"name entry, small letters in front",
     "NameEntryScene",
     "20 UP\n22\n",
     120,
     {{"chosen letter a", 270, 320, 322, 380}}},
    {"ranking",
     "NameEntryScene",
     "20 LEFT\n22\n40 Z\n42\n",
     180,
     // Each column on its own: a dark card behind only the first columns
     // would let a measure of the whole row pass on their contrast alone.
     {{"heading RANKING", 226, 60, 414, 90},
      {"1st ordinal", 136, 120, 206, 142},
      {"1st name", 206, 120, 282, 142},
      {"1st score", 284, 120, 408, 144},
      {"1st difficulty", 416, 120, 572, 142},
      {"10th ordinal", 136, 390, 206, 412},
      {"10th name", 206, 390, 282, 412},
      {"10th score", 284, 390, 408, 414},
      {"10th difficulty", 416, 390, 572, 412}}},
    {"pause",
     "Stage1_1Scene",
     "60 P\n62\n",
     119,
     {{"PAUSE", 250, 226, 370, 256}, {"P: resume  F12: title", 206, 264, 434, 286}}},
    {"game over", "GameoverScene", "", 150, {{"game over title", 120, 180, 520, 300}}},
    // Holding right runs into the first alley of the roofs until no life is left.
    {"continue",
     "Stage1_2Scene",
     "1 RIGHT\n",
     1100,
     {{"CONTINUE?", 216, 200, 424, 232}, {"count down", 276, 234, 330, 290}}},
    // The recorded clear of the first stage, at the height of the bonus.
    {"clear bonus",
     "Stage1_1Scene",
     "",
     3250,
     {{"ClearBonus 10000", 216, 230, 460, 254}},
     "replay/11.rec"},
    {"conversation",
     "Stage1bossScene",
     "",
     400,
     {{"the ghost's line", 320, 274, 600, 318}},
     "replay/15.rec"},
};

struct Picture {
    int w = 0, h = 0;
    std::vector<double> lum;
    double At(int x, int y) const { return lum[static_cast<size_t>(y) * w + x]; }
};

Picture LoadLuminance(const std::string& path) {
    Picture picture;
    SDL_Surface* loaded = IMG_Load(path.c_str());
    if (!loaded) {
        ADD_FAILURE() << path << ": " << IMG_GetError();
        return picture;
    }
    SDL_Surface* rgba = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGBA32, 0);
    SDL_FreeSurface(loaded);
    if (!rgba) {
        ADD_FAILURE() << path << ": " << SDL_GetError();
        return picture;
    }
    picture.w = rgba->w;
    picture.h = rgba->h;
    picture.lum.resize(static_cast<size_t>(picture.w) * picture.h);
    for (int y = 0; y < picture.h; ++y) {
        const uint8_t* row = static_cast<const uint8_t*>(rgba->pixels) + y * rgba->pitch;
        for (int x = 0; x < picture.w; ++x) {
            picture.lum[static_cast<size_t>(y) * picture.w + x] =
                colour::Luminance(row[x * 4], row[x * 4 + 1], row[x * 4 + 2]);
        }
    }
    SDL_FreeSurface(rgba);
    return picture;
}

struct Measure {
    int inkPixels = 0;
    double contrast = 0.0;
};

// The letters are the light pixels of the box (at least 60% of its bright
// end); the pixels right around them are those two or three pixels away
// from a letter, past the soft edge of the glyph.
Measure MeasureText(const Picture& screen, const TextBox& box) {
    std::vector<double> values;
    for (int y = box.top; y < box.bottom; ++y) {
        for (int x = box.left; x < box.right; ++x) {
            values.push_back(screen.At(x, y));
        }
    }
    std::sort(values.begin(), values.end());
    const double bright = values[values.size() * 97 / 100];
    const double inkFloor = 0.6 * bright;
    const int w = box.right - box.left, h = box.bottom - box.top;
    std::vector<int> distance(static_cast<size_t>(w) * h, 99);
    auto isInk = [&](int x, int y) { return screen.At(box.left + x, box.top + y) >= inkFloor; };
    Measure measure;
    double inkSum = 0.0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (!isInk(x, y)) {
                continue;
            }
            ++measure.inkPixels;
            inkSum += screen.At(box.left + x, box.top + y);
            for (int dy = -3; dy <= 3; ++dy) {
                for (int dx = -3; dx <= 3; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx >= 0 && ny >= 0 && nx < w && ny < h) {
                        int& d = distance[static_cast<size_t>(ny) * w + nx];
                        d = std::min(d, std::max(std::abs(dx), std::abs(dy)));
                    }
                }
            }
        }
    }
    double aroundSum = 0.0;
    int around = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int d = distance[static_cast<size_t>(y) * w + x];
            if (d >= 2 && d <= 3 && !isInk(x, y)) {
                aroundSum += screen.At(box.left + x, box.top + y);
                ++around;
            }
        }
    }
    if (measure.inkPixels > 0 && around > 0) {
        measure.contrast = colour::ContrastRatio(inkSum / measure.inkPixels, aroundSum / around);
    }
    return measure;
}

// A scratch game folder: the built content linked in, and its own replay
// folder holding copies of the recorded runs, so what a run writes (replays,
// the ranking, settings, the log) never touches the build.
std::string ScratchGameFolder(const std::string& dir) {
    namespace fs = std::filesystem;
    const fs::path game = fs::path(dir) / "game";
    fs::remove_all(game);
    fs::create_directories(game / "replay");
    for (const fs::directory_entry& entry : fs::directory_iterator(VRELS_GAME_DIR)) {
        const std::string name = entry.path().filename().string();
        if (name != "replay" && name != "score.ini" && name != "vrels.ini" && name != "log.txt") {
            fs::create_directory_symlink(entry.path(), game / name);
        }
    }
    for (const fs::directory_entry& entry : fs::directory_iterator(VRELS_REPLAY_DIR)) {
        fs::copy_file(entry.path(), game / "replay" / entry.path().filename());
    }
    return game.string();
}

std::string ShootScreen(const Screen& screen, const std::string& dir) {
    vrels::RunnerOptions options;
    options.dir = ScratchGameFolder(dir);
    options.scene = screen.scene;
    options.frames = screen.frame;
    options.shotAt = {screen.frame};
    options.shotsDir = dir;
    if (screen.buttons[0] != '\0') {
        options.buttonsFile = options.dir + "/" + screen.buttons;
    }
    if (screen.keys[0] != '\0') {
        options.keysFile = dir + "/keys.txt";
        std::ofstream(options.keysFile) << screen.keys;
    }
    EXPECT_EQ(vrels::RunHeadless(options), 0) << screen.name;
    return vrels::ShotFileName(dir, screen.frame);
}

class ScreenText : public testing::TestWithParam<Screen> {};

TEST_P(ScreenText, EveryLineReadsAtFourAndAHalfToOne) {
    const Screen& screen = GetParam();
    std::string dir =
        std::string("/tmp/vrels-screen-text-") + screen.name + "-" + std::to_string(getpid());
    std::replace(dir.begin(), dir.end(), ' ', '-');
    std::replace(dir.begin(), dir.end(), ',', '-');
    const Picture picture = LoadLuminance(ShootScreen(screen, dir));
    ASSERT_EQ(picture.w, 640);
    ASSERT_EQ(picture.h, 480);
    for (const TextBox& text : screen.texts) {
        const Measure measure = MeasureText(picture, text);
        EXPECT_GE(measure.inkPixels, 20) << screen.name << ": no text found for " << text.label;
        EXPECT_GE(measure.contrast, kMinContrast)
            << screen.name << ": \"" << text.label << "\" reads at only " << measure.contrast
            << ":1";
    }
    if (!HasFailure()) {
        std::filesystem::remove_all(dir); // a failure keeps its capture to look at
    }
}

std::string ScreenName(const testing::TestParamInfo<Screen>& info) {
    std::string name;
    for (const char* c = info.param.name; *c; ++c) {
        if (std::isalnum(static_cast<unsigned char>(*c))) {
            name += *c;
        }
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(ComposedScreens, ScreenText, testing::ValuesIn(kScreens), ScreenName);

} // namespace
