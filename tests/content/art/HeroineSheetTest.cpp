// The heroine's sheet as the game cuts it: 64 x 64 cells drawn with the
// cell's bottom edge at her feet. Her figure fills the cell without being
// clipped, her walk steps are strong poses that bob, and her poses in the
// air read apart.
#include "TgaFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace {

const std::string kSheet = std::string(VRELS_GAME_DIR) + "/gfx/mary/mary.tga";
constexpr int kCell = 64;
constexpr int kSolid = 128; // alpha from which a pixel counts as part of her

struct Cell {
    int row, column;
};

class HeroineSheet : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(ReadTga(kSheet, sheet, error)) << error;
        ASSERT_EQ(sheet.width, 9 * kCell);
        ASSERT_EQ(sheet.height, 9 * kCell);
    }

    bool SolidRow(Cell cell, int y) const {
        for (int x = 0; x < kCell; ++x) {
            if (sheet.At(cell.column * kCell + x, cell.row * kCell + y, 3) >= kSolid) {
                return true;
            }
        }
        return false;
    }

    // The first row of the cell her silhouette reaches.
    int Top(Cell cell) const {
        for (int y = 0; y < kCell; ++y) {
            if (SolidRow(cell, y)) {
                return y;
            }
        }
        return kCell;
    }

    // The share of pixels, among those visible in either cell, whose colour
    // or opacity differs noticeably: how far apart two poses read.
    double Difference(Cell a, Cell b) const {
        int visible = 0, differing = 0;
        for (int y = 0; y < kCell; ++y) {
            for (int x = 0; x < kCell; ++x) {
                const int ax = a.column * kCell + x, ay = a.row * kCell + y;
                const int bx = b.column * kCell + x, by = b.row * kCell + y;
                const int alphaA = sheet.At(ax, ay, 3), alphaB = sheet.At(bx, by, 3);
                if (alphaA == 0 && alphaB == 0) {
                    continue;
                }
                ++visible;
                int largest = std::abs(alphaA - alphaB);
                for (int c = 0; c < 3; ++c) {
                    largest = std::max(largest, std::abs(sheet.At(ax, ay, c) * alphaA / 255 -
                                                         sheet.At(bx, by, c) * alphaB / 255));
                }
                differing += largest > 24 ? 1 : 0;
            }
        }
        return visible == 0 ? 0.0 : static_cast<double>(differing) / visible;
    }

    // The solid stretches of one row of a cell, as [first, last] columns:
    // on the bottom row, the feet standing on the ground.
    std::vector<std::pair<int, int>> Runs(Cell cell, int y) const {
        std::vector<std::pair<int, int>> runs;
        bool inside = false;
        for (int x = 0; x < kCell; ++x) {
            const bool solid = sheet.At(cell.column * kCell + x, cell.row * kCell + y, 3) >= kSolid;
            if (solid && !inside) {
                runs.push_back({x, x});
            } else if (solid) {
                runs.back().second = x;
            }
            inside = solid;
        }
        return runs;
    }

    // The first column her silhouette reaches between two rows: at the
    // height of the arms, how far the free arm swings out behind her.
    int Left(Cell cell, int fromY, int toY) const {
        int left = kCell;
        for (int y = fromY; y < toY; ++y) {
            for (int x = 0; x < left; ++x) {
                if (sheet.At(cell.column * kCell + x, cell.row * kCell + y, 3) >= kSolid) {
                    left = x;
                }
            }
        }
        return left;
    }

    // The widest row of her silhouette: the skirt billowing out in a fall.
    int Widest(Cell cell, int fromRow = 0, int toRow = kCell) const {
        int widest = 0;
        for (int y = fromRow; y < toRow; ++y) {
            const auto runs = Runs(cell, y);
            if (!runs.empty()) {
                widest = std::max(widest, runs.back().second - runs.front().first + 1);
            }
        }
        return widest;
    }

    TgaImage sheet;
};

// A headdress touching the cell's top row is cut off in the game; every
// frame on the ground must stand on the cell's bottom edge, or she floats.
TEST_F(HeroineSheet, EveryFrameClearsTheCellTopAndGroundFramesStandOnTheBottomEdge) {
    const Cell runs[] = {{0, 0}, {0, 4}, {1, 0}, {2, 0}, {2, 4}, {3, 0},
                         {3, 6}, {4, 0}, {5, 0}, {6, 0}, {8, 0}};
    const int counts[] = {3, 3, 8, 3, 3, 5, 3, 9, 9, 9, 9};
    for (size_t run = 0; run < std::size(runs); ++run) {
        for (int i = 0; i < counts[run]; ++i) {
            const Cell cell{runs[run].row, runs[run].column + i};
            EXPECT_GE(Top(cell), 1) << "row " << cell.row << " column " << cell.column
                                    << " reaches the top edge of its cell";
            const bool onGround = cell.row != 3 && cell.row != 8;
            if (onGround) {
                EXPECT_TRUE(SolidRow(cell, kCell - 1))
                    << "row " << cell.row << " column " << cell.column
                    << " does not reach the bottom edge";
                // as tall as the cell allows, standing or walking
                if (cell.row <= 1 || cell.row == 4 || cell.row == 5) {
                    EXPECT_GE(kCell - Top(cell), 58)
                        << "row " << cell.row << " column " << cell.column;
                }
            }
        }
    }
}

// Contact steps (columns 0 and 2 of each walk) sit lower than the passing
// steps (1 and 3), whether she fires or not, by three pixels: two looked
// like a shuffle at game size, and four, held six updates a pose, made her
// head pop up and down.
TEST_F(HeroineSheet, BothWalksSitLowerOnContactThanOnPassing) {
    for (const int first : {0, 4}) {
        for (const int contact : {0, 2}) {
            for (const int passing : {1, 3}) {
                EXPECT_EQ(Top({1, first + contact}) - Top({1, first + passing}), 3)
                    << "walk from column " << first << ": contact " << contact << " and passing "
                    << passing;
            }
        }
    }
}

// Each of the four walk cells is held for six updates, so each pose must
// read on its own: on contact both feet are on the ground, wide apart; on
// passing one foot is lifted off it; the free arm swings well out behind
// her on the second contact, walking or firing.
TEST_F(HeroineSheet, EveryWalkStepIsAStrongPose) {
    for (const int first : {0, 4}) {
        for (const int contact : {0, 2}) {
            const auto feet = Runs({1, first + contact}, kCell - 1);
            ASSERT_EQ(feet.size(), 2u) << "contact column " << first + contact;
            EXPECT_GE(feet[1].first + feet[1].second - feet[0].first - feet[0].second, 2 * 24)
                << "contact column " << first + contact << ": the stride is too short";
        }
        for (const int passing : {1, 3}) {
            EXPECT_EQ(Runs({1, first + passing}, kCell - 1).size(), 1u)
                << "passing column " << first + passing << " keeps both feet down";
        }
        EXPECT_GE(Left({1, first}, 26, 44) - Left({1, first + 2}, 26, 44), 5)
            << "walk from column " << first << ": the free arm hardly swings";
    }
}

// Rising (row 3, columns 0-1) is a tuck and the stretched fall (3-4) its
// opposite; each cell of the rise and of the fall moves on from the last;
// firing in the air (6-8) is a braced pose of its own, not the falling pose
// with the gun raised.
TEST_F(HeroineSheet, RisingFallingAndFiringInTheAirArePosesOfTheirOwn) {
    for (const int rising : {0, 1}) {
        for (const int falling : {3, 4}) {
            EXPECT_GE(Difference({3, rising}, {3, falling}), 0.6) << rising << " and " << falling;
        }
    }
    // the tuck tightens from one rising cell to the next, and the skirt
    // (the rows under the gun) billows wider in each falling cell, but into
    // a bell: a skirt flared out to the arms' width stood out as a flat
    // disc, and she read as a star
    EXPECT_GE(Difference({3, 0}, {3, 1}), 0.6);
    constexpr int kUnderTheGun = 38, kAboveTheFeet = 58;
    auto skirt = [&](int column) { return Widest({3, column}, kUnderTheGun, kAboveTheFeet); };
    EXPECT_LT(skirt(2), skirt(3));
    EXPECT_LT(skirt(3), skirt(4));
    EXPECT_GE(skirt(4) - skirt(2), 5);
    EXPECT_LE(skirt(4), 48);
    for (int i = 0; i < 3; ++i) {
        for (const int falling : {2, 3, 4}) {
            EXPECT_GE(Difference({3, 6 + i}, {3, falling}), 0.45)
                << "firing column " << 6 + i << " and falling column " << falling;
        }
    }
}

} // namespace
