// The ending's pictures: the credit roll, the line art it passes over, and
// the trial's closing picture.
#include "PictureMeasures.h"
#include "TgaFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bitset>
#include <cmath>
#include <string>
#include <vector>

namespace {

const std::string kGameDir = VRELS_GAME_DIR;

TgaImage Load(const std::string& relative) {
    TgaImage image;
    std::string error;
    EXPECT_TRUE(ReadTga(kGameDir + "/" + relative, image, error)) << error;
    return image;
}

double LuminanceAt(const TgaImage& image, int x, int y) {
    return Luminance(image.At(x, y, 0), image.At(x, y, 1), image.At(x, y, 2));
}

// The credits scroll from y 480 to -1920 over the backdrop and the line art:
// mostly clear, with readable text from the first screen to the last, and
// the last screen (rows 1920-2400, where the roll stops) saying thank you.
TEST(EndingPictures, CreditRollIsClearTextOverTheWholeRoll) {
    const TgaImage credit = Load("gfx/end/credit.tga");
    ASSERT_EQ(credit.width, 640);
    ASSERT_EQ(credit.height, 2400);
    long clear = 0;
    for (int y = 0; y < 2400; ++y) {
        for (int x = 0; x < 640; ++x) {
            clear += credit.At(x, y, 3) == 0 ? 1 : 0;
        }
    }
    EXPECT_GT(clear, 640L * 2400 * 8 / 10);
    // Text in every 480-row screen the roll passes through.
    for (int top = 0; top < 2400; top += 480) {
        SCOPED_TRACE(top);
        int ink = 0;
        for (int y = top; y < top + 480; ++y) {
            for (int x = 0; x < 640; ++x) {
                ink += credit.At(x, y, 3) == 255 && LuminanceAt(credit, x, y) > 0.5 ? 1 : 0;
            }
        }
        EXPECT_GT(ink, 500);
    }
    // The closing words sit in the middle of the final screen.
    int closing = 0;
    for (int y = 2120; y < 2240; ++y) {
        for (int x = 160; x < 480; ++x) {
            closing += credit.At(x, y, 3) == 255 ? 1 : 0;
        }
    }
    EXPECT_GT(closing, 2000);
}

// The line art is added onto the screen, so it is light lines on black: a
// dark picture whose lines are bright, kept mostly to the left half where
// the credits leave room.
TEST(EndingPictures, LineArtIsLightLinesOnBlackBesideTheCredits) {
    const TgaImage senga = Load("gfx/end/senga.tga");
    ASSERT_EQ(senga.width, 640);
    ASSERT_EQ(senga.height, 2400);
    double left = 0.0, right = 0.0, brightest = 0.0;
    long lit = 0;
    for (int y = 0; y < 2400; ++y) {
        for (int x = 0; x < 640; ++x) {
            const double l = LuminanceAt(senga, x, y) * senga.At(x, y, 3) / 255.0;
            (x < 320 ? left : right) += l;
            brightest = std::max(brightest, l);
            lit += l > 0.2 ? 1 : 0;
        }
    }
    EXPECT_GT(brightest, 0.5);
    EXPECT_GT(lit, 5000);
    EXPECT_LT(lit, 640L * 2400 / 10) << "line art, not a filled picture";
    EXPECT_GT(left, 4.0 * right);
}

using Row = std::bitset<640>;

// One bit per pixel that adds visible light when the picture is drawn
// additively (any channel above 16 of 255, weighed by its alpha).
std::vector<Row> LitRows(const TgaImage& image) {
    std::vector<Row> rows(image.height);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const int a = image.At(x, y, 3);
            const int brightest =
                std::max({image.At(x, y, 0), image.At(x, y, 1), image.At(x, y, 2)});
            rows[y][x] = brightest * a > 16 * 255;
        }
    }
    return rows;
}

// The credits' ink (letters, outlines, shadows), grown by a few pixels each
// way so the line art keeps clear air around every line of text.
std::vector<Row> CreditInkWithAir(const TgaImage& image, int air) {
    std::vector<Row> ink(image.height), grown(image.height);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            ink[y][x] = image.At(x, y, 3) > 0;
        }
        for (int d = -air; d <= air; ++d) {
            ink[y] |= d < 0 ? (ink[y] >> -d) : (ink[y] << d);
        }
    }
    for (int y = 0; y < image.height; ++y) {
        for (int d = -air; d <= air; ++d) {
            if (y + d >= 0 && y + d < image.height) {
                grown[y] |= ink[y + d];
            }
        }
    }
    return grown;
}

// The roll as the ending plays it with nobody pressing a button: the
// credits rise half a pixel a frame from y 480, the line art sinks half a
// pixel a frame from y -1920, the backdrop (its clock face centred at
// (560, 420) of the picture, drawn at y -160) drifts left an eighth of a
// pixel a frame, fading in over the first 200 frames and out once it has
// drifted past -540. Every frame of the roll is checked, as a player
// watching to the end sees them: the line art's light never falls on the
// credits' text nor on the clock face while the backdrop shows.
TEST(EndingPictures, TheLineArtStaysClearOfTheCreditsAndTheClockFaceAtEveryFrame) {
    const TgaImage senga = Load("gfx/end/senga.tga");
    const TgaImage credit = Load("gfx/end/credit.tga");
    ASSERT_EQ(senga.height, 2400);
    ASSERT_EQ(credit.height, 2400);
    const std::vector<Row> lit = LitRows(senga);
    const std::vector<Row> text = CreditInkWithAir(credit, 3);
    const double clockX = 560.0, clockY = 420.0 - 160.0, faceRadius = 124.0;
    double backdropAlpha = 0.0, backdropX = 0.0;
    bool fadedIn = false;
    int overText = 0, overClock = 0, firstText = -1, firstClock = -1;
    for (int frame = 1; frame <= 4800; ++frame) {
        if (!fadedIn) {
            backdropAlpha = std::min(backdropAlpha + 0.005, 1.0);
            fadedIn = backdropAlpha >= 1.0;
        } else if (backdropX < -540.0) {
            backdropAlpha = std::max(backdropAlpha - 0.002, 0.0);
        }
        backdropX = std::max(backdropX - 0.125, -640.0);
        const double creditY = 480.0 - 0.5 * frame, pictureY = -1920.0 + 0.5 * frame;
        for (int screenY = 0; screenY < 480; ++screenY) {
            // On odd frames both sit half a pixel off the grid: both rows
            // the filter blends count.
            for (const double y : {screenY - pictureY, screenY - pictureY + 0.5}) {
                const int row = static_cast<int>(std::floor(y));
                if (row < 0 || row >= 2400 || lit[row].none()) {
                    continue;
                }
                const int textRow = static_cast<int>(std::floor(screenY - creditY));
                if (textRow >= 0 && textRow < 2400 && (lit[row] & text[textRow]).any()) {
                    overText += 1;
                    firstText = firstText < 0 ? frame : firstText;
                }
                const double dy = screenY - clockY;
                if (backdropAlpha > 0.25 && std::abs(dy) < faceRadius) {
                    const double half = std::sqrt(faceRadius * faceRadius - dy * dy);
                    const int from =
                        std::max(0, static_cast<int>(std::ceil(clockX + backdropX - half)));
                    const int to =
                        std::min(639, static_cast<int>(std::floor(clockX + backdropX + half)));
                    for (int x = from; x <= to; ++x) {
                        if (lit[row][x]) {
                            overClock += 1;
                            firstClock = firstClock < 0 ? frame : firstClock;
                            break;
                        }
                    }
                }
            }
        }
    }
    EXPECT_EQ(overText, 0)
        << "screen rows where the line art lights up the credits' text, first at frame "
        << firstText;
    EXPECT_EQ(overClock, 0)
        << "screen rows where the line art lights up the clock face, first at frame " << firstClock;
}

// The trial's last picture is shown alone, so it is opaque everywhere.
TEST(EndingPictures, TrialEndPictureIsAFullOpaqueScreen) {
    const TgaImage sale = Load("gfx/end/sale.tga");
    ASSERT_EQ(sale.width, 640);
    ASSERT_EQ(sale.height, 480);
    int seeThrough = 0;
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            seeThrough += sale.At(x, y, 3) != 255 ? 1 : 0;
        }
    }
    EXPECT_EQ(seeThrough, 0);
}

} // namespace
