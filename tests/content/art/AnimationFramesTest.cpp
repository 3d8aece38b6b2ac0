// Every animation uses the frames its sheet gives: no two frames that follow
// each other in a cycle (the last and the first too, for loops) look alike,
// and every effect opens, peaks and fades.
#include "TgaFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kGameDir = VRELS_GAME_DIR;

// Frames that differ in fewer than this share of their visible pixels read
// as a held pose rather than motion.
constexpr double kMinChange = 0.03;

struct Cycle {
    const char* path;
    int frameW, frameH;
    int firstX, firstY; // pixel position of the cycle's first frame
    int count;
    bool vertical; // frames stacked downwards instead of side by side
    bool loops;    // the last frame is followed by the first again
};

const Cycle kCycles[] = {
    // enemies and hazards: frames side by side unless stacked, all looping
    {"gfx/enemy/brain.tga", 32, 32, 0, 0, 3, false, true},
    {"gfx/enemy/met.tga", 32, 32, 0, 0, 3, false, true},
    {"gfx/enemy/togezo.tga", 64, 64, 0, 0, 2, false, true},
    {"gfx/enemy/monoeye.tga", 64, 64, 0, 0, 3, false, true},
    {"gfx/enemy/ghost.tga", 64, 64, 0, 0, 3, false, true},
    {"gfx/enemy/patapata.tga", 96, 96, 0, 0, 3, false, true},
    {"gfx/enemy/death.tga", 64, 96, 0, 0, 3, false, true},
    {"gfx/enemy/mecha.tga", 128, 96, 0, 0, 3, true, true},
    {"gfx/enemy/marionette.tga", 64, 96, 0, 0, 2, false, true},
    {"gfx/enemy/burner.tga", 64, 32, 0, 0, 3, true, true},
    {"gfx/enemy/guruguru.tga", 32, 32, 0, 0, 3, false, true},
    // bosses: the walk of the brain, the sorceress's hover, the last form
    {"gfx/enemy/fesbio_brain.tga", 96, 96, 0, 0, 2, false, true},
    {"gfx/enemy/fesbio_snake.tga", 176, 192, 0, 0, 4, false, false},
    {"gfx/enemy/marfes.tga", 128, 160, 0, 0, 3, false, true},
    {"gfx/enemy/marfes.tga", 128, 160, 384, 0, 2, false, false},
    {"gfx/enemy/marfes2.tga", 640, 680, 0, 0, 2, false, true},
    // the heroine's cycles
    {"gfx/mary/mary.tga", 64, 64, 0, 0, 3, false, true},
    {"gfx/mary/mary.tga", 64, 64, 0, 64, 4, false, true},
    {"gfx/mary/mary.tga", 64, 64, 256, 64, 4, false, true},
    {"gfx/mary/mary.tga", 64, 64, 0, 192, 5, false, false},
    // her shooting, crouching and reloading cycles
    {"gfx/mary/mary.tga", 64, 64, 256, 0, 3, false, true},
    {"gfx/mary/mary.tga", 64, 64, 0, 128, 3, false, true},
    {"gfx/mary/mary.tga", 64, 64, 256, 128, 3, false, true},
    {"gfx/mary/mary.tga", 64, 64, 384, 192, 3, false, true},
    {"gfx/mary/mary.tga", 64, 64, 0, 256, 9, false, false},
    {"gfx/mary/mary.tga", 64, 64, 0, 320, 9, false, false},
    {"gfx/mary/mary.tga", 64, 64, 0, 384, 9, false, false},
    {"gfx/mary/mary.tga", 64, 64, 0, 512, 9, false, false},
    // effects: one pass from start through peak to fade
    {"gfx/dust.tga", 32, 32, 0, 0, 12, false, false},
    {"gfx/blood.tga", 96, 96, 0, 0, 8, false, false},
    {"gfx/blood.tga", 96, 96, 0, 96, 8, false, false},
    {"gfx/bomb.tga", 96, 96, 0, 0, 8, false, false},
    {"gfx/bomb.tga", 96, 96, 0, 96, 8, false, false},
    {"gfx/hit_wall.tga", 96, 96, 0, 0, 8, false, false},
    {"gfx/hit_wall.tga", 96, 96, 0, 96, 8, false, false},
    {"gfx/item_get.tga", 96, 96, 0, 0, 12, false, false},
    {"gfx/goal_effect.tga", 176, 57, 0, 0, 5, true, false},
    {"gfx/effect.tga", 32, 32, 0, 0, 5, false, false},
    {"gfx/coin.tga", 48, 48, 0, 0, 5, false, true},
};

// The share of pixels, among those visible in either frame, whose colour or
// opacity changes noticeably between the two frames.
double Change(const TgaImage& sheet, const Cycle& cycle, int a, int b) {
    auto origin = [&](int frame) {
        return cycle.vertical ? std::make_pair(cycle.firstX, cycle.firstY + frame * cycle.frameH)
                              : std::make_pair(cycle.firstX + frame * cycle.frameW, cycle.firstY);
    };
    const auto [ax, ay] = origin(a);
    const auto [bx, by] = origin(b);
    int visible = 0, changed = 0;
    for (int y = 0; y < cycle.frameH; ++y) {
        for (int x = 0; x < cycle.frameW; ++x) {
            const int alphaA = sheet.At(ax + x, ay + y, 3), alphaB = sheet.At(bx + x, by + y, 3);
            if (alphaA == 0 && alphaB == 0) {
                continue;
            }
            ++visible;
            int largest = std::abs(alphaA - alphaB);
            for (int c = 0; c < 3; ++c) {
                // compare what each pixel adds to the screen (colour times opacity)
                const int ca = sheet.At(ax + x, ay + y, c) * alphaA / 255;
                const int cb = sheet.At(bx + x, by + y, c) * alphaB / 255;
                largest = std::max(largest, std::abs(ca - cb));
            }
            if (largest > 24) {
                ++changed;
            }
        }
    }
    return visible == 0 ? 0.0 : static_cast<double>(changed) / visible;
}

TEST(AnimationFrames, NoTwoFramesInARowOfACycleLookAlike) {
    for (const Cycle& cycle : kCycles) {
        TgaImage sheet;
        std::string error;
        ASSERT_TRUE(ReadTga(kGameDir + "/" + cycle.path, sheet, error)) << cycle.path << error;
        const int lastX = cycle.firstX + (cycle.vertical ? 1 : cycle.count) * cycle.frameW;
        const int lastY = cycle.firstY + (cycle.vertical ? cycle.count : 1) * cycle.frameH;
        ASSERT_LE(lastX, sheet.width) << cycle.path;
        ASSERT_LE(lastY, sheet.height) << cycle.path;
        const int pairs = cycle.loops && cycle.count > 2 ? cycle.count : cycle.count - 1;
        for (int i = 0; i < pairs; ++i) {
            const int next = (i + 1) % cycle.count;
            EXPECT_GE(Change(sheet, cycle, i, next), kMinChange)
                << cycle.path << " (cycle at " << cycle.firstX << "," << cycle.firstY << "): frame "
                << i << " and frame " << next << " look alike";
        }
    }
}

// An effect played once, frame by frame, in rows of `columns` frames.
struct Effect {
    const char* path;
    int frameW, frameH, columns, count;
};

// The frames as the game steps through them (blood, explosions and wall hits
// run on into their second row).
const Effect kEffects[] = {
    {"gfx/dust.tga", 32, 32, 12, 12},       {"gfx/blood.tga", 96, 96, 8, 16},
    {"gfx/bomb.tga", 96, 96, 8, 16},        {"gfx/hit_wall.tga", 96, 96, 8, 15},
    {"gfx/item_get.tga", 96, 96, 12, 12},   {"gfx/effect.tga", 32, 32, 5, 5},
    {"gfx/goal_effect.tga", 176, 57, 1, 5},
};

// What a frame adds to the screen: the sum of its pixels' luminance times
// their opacity.
double Light(const TgaImage& sheet, const Effect& effect, int frame) {
    const int x0 = (frame % effect.columns) * effect.frameW;
    const int y0 = (frame / effect.columns) * effect.frameH;
    double light = 0.0;
    for (int y = 0; y < effect.frameH; ++y) {
        for (int x = 0; x < effect.frameW; ++x) {
            const double alpha = sheet.At(x0 + x, y0 + y, 3) / 255.0;
            light += alpha *
                     (0.2126 * sheet.At(x0 + x, y0 + y, 0) + 0.7152 * sheet.At(x0 + x, y0 + y, 1) +
                      0.0722 * sheet.At(x0 + x, y0 + y, 2)) /
                     255.0;
        }
    }
    return light;
}

// A burst that is brightest in its first frame, or nearly so, reads as a
// pop, not as something happening; one that ends bright is cut off.
TEST(AnimationFrames, EveryEffectOpensPeaksAndFades) {
    for (const Effect& effect : kEffects) {
        TgaImage sheet;
        std::string error;
        ASSERT_TRUE(ReadTga(kGameDir + "/" + effect.path, sheet, error)) << effect.path << error;
        std::vector<double> light;
        for (int frame = 0; frame < effect.count; ++frame) {
            light.push_back(Light(sheet, effect, frame));
        }
        const auto peak = std::max_element(light.begin(), light.end());
        const int peakFrame = static_cast<int>(peak - light.begin());
        EXPECT_GT(peakFrame, 0) << effect.path << ": brightest in its first frame";
        EXPECT_LE(light.front(), 0.75 * *peak) << effect.path << ": opens at nearly full strength";
        EXPECT_LT(peakFrame, effect.count - 1) << effect.path << ": brightest in its last frame";
        EXPECT_LE(light.back(), 0.5 * *peak) << effect.path << ": still bright at its end";
    }
}

} // namespace
