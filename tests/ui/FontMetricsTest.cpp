// The bitmap fonts' advance widths and vertical offsets, code by code over the
// whole table, and what they mean on screen: how far the pen moves after
// each letter of a text the player reads.
#include "ui/FontMetrics.h"
#include "../support/EngineFixture.h"
#include "resource/ImageStore.h"
#include "ui/StringSprite.h"

#include <map>
#include <string>

namespace {

// The widths as the font was drawn: runs of codes that share one width.
struct WidthRun {
    int first;
    int last;
    int width;
};
const WidthRun kWidths[] = {
    {0, 31, 0},     {32, 64, 16},   {'A', 'E', 14}, {'F', 'F', 12}, {'G', 'H', 16}, {'I', 'I', 8},
    {'J', 'J', 12}, {'K', 'K', 16}, {'L', 'L', 14}, {'M', 'O', 16}, {'P', 'P', 12}, {'Q', 'R', 16},
    {'S', 'S', 12}, {'T', 'U', 14}, {'V', 'Y', 16}, {'Z', 'Z', 14}, {91, 96, 16},   {'a', 'a', 10},
    {'b', 'b', 12}, {'c', 'c', 8},  {'d', 'd', 12}, {'e', 'g', 10}, {'h', 'h', 12}, {'i', 'i', 6},
    {'j', 'j', 8},  {'k', 'k', 12}, {'l', 'l', 6},  {'m', 'm', 16}, {'n', 'n', 12}, {'o', 'o', 10},
    {'p', 'q', 12}, {'r', 'r', 10}, {'s', 't', 8},  {'u', 'v', 12}, {'w', 'w', 16}, {'x', 'y', 12},
    {'z', 'z', 10}, {123, 127, 16},
};

int ExpectedWidth(int code) {
    for (const WidthRun& run : kWidths) {
        if (code >= run.first && code <= run.last) {
            return run.width;
        }
    }
    return -1;
}

int ExpectedOffset(int code) {
    static const std::map<char, int> offsets = {
        {'Q', 1}, {'a', 2}, {'c', 1}, {'e', 1}, {'f', -1}, {'g', 4}, {'m', 2},
        {'n', 2}, {'o', 2}, {'q', 3}, {'r', 2}, {'s', 2},  {'t', 1}, {'u', 2},
        {'v', 2}, {'w', 2}, {'x', 2}, {'y', 5}, {'z', 2},
    };
    const auto it = offsets.find(static_cast<char>(code));
    return it == offsets.end() ? 0 : it->second;
}

} // namespace

TEST(FontMetrics, EveryCodeHasTheWidthAndOffsetItsGlyphWasDrawnFor) {
    for (int code = 0; code < 128; ++code) {
        const auto ch = static_cast<unsigned char>(code);
        EXPECT_EQ(vrels::GlyphAdvance(ch), ExpectedWidth(code)) << "code " << code;
        EXPECT_EQ(vrels::GlyphOffset(ch), ExpectedOffset(code)) << "code " << code;
    }
}

TEST(FontMetrics, EachSideOfEveryRangeBoundaryKeepsItsOwnWidth) {
    // Where one run of widths meets the next, a slip by one code gives a
    // letter its neighbour's width: "a" with the punctuation's 16 makes every
    // "a" gape, "Z" with 16 or "[" with 14 crowds or spreads the text.
    const std::pair<unsigned char, int> edges[] = {
        {31, 0},   {32, 16},  {64, 16},  {'A', 14}, {'E', 14}, {'F', 12}, {'Y', 16},
        {'Z', 14}, {'[', 16}, {'`', 16}, {'a', 10}, {'b', 12}, {'y', 12}, {'z', 10},
        {'{', 16}, {'~', 16}, {127, 16}, {'I', 8},  {'i', 6},  {'l', 6},  {'m', 16},
    };
    for (const auto& [code, width] : edges) {
        EXPECT_EQ(vrels::GlyphAdvance(code), width) << "'" << code << "' (" << int(code) << ")";
    }
    EXPECT_EQ(vrels::GlyphOffset('P'), 0) << "P sits on the line, Q dips";
    EXPECT_EQ(vrels::GlyphOffset('R'), 0);
    EXPECT_EQ(vrels::GlyphOffset('`'), 0) << "the offsets start at a";
    EXPECT_EQ(vrels::GlyphOffset('{'), 0) << "and end at z";
}

namespace {

class TextPen : public EngineFixture {
protected:
    void SetUp() override {
        EngineFixture::SetUp();
        DeclareImage("gfx/font_normal.tga", 512, 256);
        app->images->Load("NormalFont", "gfx/font_normal.tga", false);
    }
    // Where each glyph of the text lands (left edge, top edge), drawn with
    // the default scale and spacing at (100, 50).
    std::vector<std::pair<float, float>> Pen(const std::string& text) {
        recorder->ClearDraws();
        StringSprite(100, 50, text).Draw();
        std::vector<std::pair<float, float>> at;
        for (const auto& draw : recorder->Draws()) {
            at.emplace_back(draw.vertices[0].x + 0.5f, draw.vertices[0].y + 0.5f);
        }
        return at;
    }
};

} // namespace

TEST_F(TextPen, StageNamesAndScoresAdvanceAsThePlayerReadsThem) {
    // "Stage" at the default scale 0.8 and spacing 1.5: S 12 -> 14, t 8 -> 9,
    // a 10 -> 12, g 10 -> 12; the lower-case letters drop by their offsets.
    const auto stage = Pen("Stage");
    ASSERT_EQ(stage.size(), 5u);
    const float xs[] = {100, 114, 123, 135, 147};
    const float drops[] = {0, 1, 2, 4, 1};
    for (int i = 0; i < 5; ++i) {
        EXPECT_FLOAT_EQ(stage[i].first, xs[i]) << "letter " << i;
        EXPECT_NEAR(stage[i].second, 50.0f + drops[i] * 1.5f * 0.8f, 1e-4) << "letter " << i;
    }
    // Digits all advance 19: a score's columns line up.
    const auto score = Pen("1234567890");
    for (size_t i = 0; i < score.size(); ++i) {
        EXPECT_FLOAT_EQ(score[i].first, 100.0f + 19.0f * static_cast<float>(i));
    }
}
