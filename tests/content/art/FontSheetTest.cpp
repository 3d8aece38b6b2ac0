// The bitmap fonts: each glyph stays within the advance the text code gives
// it and clears the next glyph at the tightest spacing the game draws with,
// letters and digits fill it, thin stems keep a visible fill, lower-case
// letters stand close to the capitals, and after the code's vertical offsets
// every glyph stands on one baseline.
#include "TgaFile.h"
#include "ui/FontMetrics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>
#include <vector>

namespace {

const std::string kGameDir = VRELS_GAME_DIR;
const char* const kFonts[] = {"gfx/font_normal.tga", "gfx/font_orange.tga", "gfx/font_green.tga"};
// Score texts advance the pen by 0.9 x width (at scale 0.9, which scales ink
// and advance alike): every glyph must fit that, outline included.
constexpr double kTightestSpacing = 0.9;
constexpr double kOffsetScale = 1.5; // the text code's fixed factor on vertical offsets

struct InkBox {
    int left = 32, right = -1, top = 32, bottom = -1; // inclusive; right < 0: empty
};

InkBox GlyphInk(const TgaImage& font, int code, int minAlpha) {
    InkBox box;
    const int cellX = (code % 16) * 32, cellY = (code / 16) * 32;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (font.At(cellX + x, cellY + y, 3) >= minAlpha) {
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x);
                box.top = std::min(box.top, y);
                box.bottom = std::max(box.bottom, y);
            }
        }
    }
    return box;
}

class FontSheet : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(ReadTga(kGameDir + "/" + GetParam(), font_, error)) << error;
        ASSERT_EQ(font_.width, 512);
        ASSERT_EQ(font_.height, 256);
    }
    TgaImage font_;
};

TEST_P(FontSheet, EveryPrintableGlyphIsDrawnWithinItsAdvance) {
    for (int code = 33; code <= 126; ++code) {
        const InkBox ink = GlyphInk(font_, code, 1);
        ASSERT_GE(ink.right, 0) << "glyph '" << char(code) << "' is empty";
        // Within the glyph's own advance, and at the tightest spacing no
        // further than the next glyph's clear first column: the outlines may
        // meet there, the next glyph's ink begins after it.
        const double advance = vrels::GlyphAdvance(static_cast<unsigned char>(code));
        const double room = std::min(advance, advance * kTightestSpacing + 1.0);
        // One clear pixel on every side keeps filtering from pulling in the
        // neighbouring cell.
        EXPECT_GE(ink.left, 1) << char(code);
        EXPECT_LE(ink.right + 1, room) << char(code);
        EXPECT_GE(ink.top, 1) << char(code);
        EXPECT_LE(ink.bottom, 30) << char(code);
    }
    EXPECT_LT(GlyphInk(font_, ' ', 1).right, 0) << "the space must be blank";
}

TEST_P(FontSheet, LettersAndDigitsFillTheirAdvance) {
    // The other way round: a letter given more room than its ink gapes in
    // every word ("a" with the punctuation's 16 opens "Stage" after the t).
    // Each letter and digit is drawn up to within two pixels of its advance.
    constexpr int kMostSpace = 2;
    for (int code = 33; code <= 126; ++code) {
        if (!std::isalnum(code)) {
            continue;
        }
        const InkBox ink = GlyphInk(font_, code, 1);
        EXPECT_LE(vrels::GlyphAdvance(static_cast<unsigned char>(code)) - (ink.right + 1),
                  kMostSpace)
            << "glyph '" << char(code) << "' gets more room than its picture fills";
    }
}

TEST_P(FontSheet, GlyphsShareOneBaselineAfterTheirOffsets) {
    // Letters and digits that end on the baseline (no descenders).
    const std::string flat = "0123456789ABCDEFGHIKLMNOPRSTUVWXYZabcdehiklmnorstuvwxz";
    std::vector<double> baselines;
    for (char c : flat) {
        const InkBox ink = GlyphInk(font_, static_cast<unsigned char>(c), 128);
        baselines.push_back(ink.bottom +
                            kOffsetScale * vrels::GlyphOffset(static_cast<unsigned char>(c)));
    }
    std::vector<double> sorted = baselines;
    std::sort(sorted.begin(), sorted.end());
    const double median = sorted[sorted.size() / 2];
    for (size_t i = 0; i < flat.size(); ++i) {
        EXPECT_NEAR(baselines[i], median, 1.5) << "glyph '" << flat[i] << "'";
    }
}

TEST_P(FontSheet, LowerCaseStandsCloseToTheCapitals) {
    // At the menus' six to seven tenths the face's own x-height left words
    // such as "Difficulty" small between tall capitals: the short letters
    // stood four fifths of a capital's height, outline included. They stand
    // at least 0.85 of it now.
    constexpr double kMinShare = 0.85;
    auto height = [&](char c) {
        const InkBox ink = GlyphInk(font_, static_cast<unsigned char>(c), 128);
        return ink.bottom - ink.top + 1;
    };
    const double capitals = (height('X') + height('H') + height('N')) / 3.0;
    for (char c : std::string("acemnorsuvwxz")) {
        EXPECT_GE(height(c), kMinShare * capitals) << "glyph '" << c << "'";
    }
}

TEST_P(FontSheet, ThinStemsKeepAFillBetweenTheirOutlines) {
    // The narrowest letters get a few pixels of room. If the outline takes it
    // all, menus drawn at 0.6 scale show "i" and "l" as dark bars ("Tr|al",
    // "C earBonus"): through the middle of the glyph, every row must keep two
    // pixels of opaque fill, lighter than the outline by far.
    const std::string thin = "ilIj1t|";
    for (const char c : thin) {
        const int code = static_cast<unsigned char>(c);
        const InkBox ink = GlyphInk(font_, code, 128);
        ASSERT_GE(ink.right, 0) << c;
        const int cellX = (code % 16) * 32, cellY = (code / 16) * 32;
        const int third = (ink.bottom - ink.top) / 3;
        int thinnest = 32;
        for (int y = ink.top + third; y <= ink.bottom - third; ++y) {
            int fill = 0;
            for (int x = 0; x < 32; ++x) {
                const int px = cellX + x, py = cellY + y;
                const int brightest =
                    std::max({font_.At(px, py, 0), font_.At(px, py, 1), font_.At(px, py, 2)});
                if (font_.At(px, py, 3) >= 200 && brightest >= 150) {
                    ++fill;
                }
            }
            thinnest = std::min(thinnest, fill);
        }
        EXPECT_GE(thinnest, 2) << "glyph '" << c << "' keeps too little fill in its stem";
    }
}

INSTANTIATE_TEST_SUITE_P(Fonts, FontSheet, testing::ValuesIn(kFonts));

// The three fonts differ only in colour: the same shapes in the same cells.
TEST(FontSheets, ShareOneGlyphLayout) {
    std::vector<TgaImage> fonts(3);
    for (int i = 0; i < 3; ++i) {
        std::string error;
        ASSERT_TRUE(ReadTga(kGameDir + "/" + kFonts[i], fonts[i], error)) << error;
    }
    for (int code = 33; code <= 126; ++code) {
        const InkBox a = GlyphInk(fonts[0], code, 1);
        for (int i = 1; i < 3; ++i) {
            const InkBox b = GlyphInk(fonts[i], code, 1);
            EXPECT_EQ(a.left, b.left) << char(code);
            EXPECT_EQ(a.right, b.right) << char(code);
            EXPECT_EQ(a.bottom, b.bottom) << char(code);
        }
    }
}

} // namespace
