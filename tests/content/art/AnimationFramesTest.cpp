// Every animation uses the frames its sheet gives: no two frames that follow
// each other in a cycle (the last and the first too, for loops) look alike.
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

} // namespace
