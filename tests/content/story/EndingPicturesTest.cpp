// The ending's pictures: the credit roll, the line art it passes over, and
// the trial's closing picture.
#include "PictureMeasures.h"
#include "TgaFile.h"

#include <gtest/gtest.h>

#include <string>

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
