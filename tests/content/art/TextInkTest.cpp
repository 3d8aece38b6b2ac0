// The game's texts drawn by the engine's own text sprites over the real font
// sheets: at every scale and spacing the game uses, neighbouring glyphs keep
// their bright fills apart, and at the menus' spacings their ink too.
#include "../../support/EngineFixture.h"
#include "TgaFile.h"
#include "resource/ImageStore.h"
#include "ui/StringSprite.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace {

const std::string kGameDir = VRELS_GAME_DIR;

struct FontFile {
    const char* name;
    const char* file;
};
const FontFile kFonts[] = {{"NormalFont", "gfx/font_normal.tga"},
                           {"OrangeFont", "gfx/font_orange.tga"},
                           {"GreenFont", "gfx/font_green.tga"}};

// The scale and spacing pairs the game draws texts with: score pop-ups, the
// heads-up stage name and "TIME UP", the stage intro name, the defaults and
// the menu lines.
struct Style {
    float scale, spacing;
};
const Style kStyles[] = {{0.9f, 0.9f}, {1.0f, 1.0f}, {1.4f, 1.0f}, {0.8f, 1.5f}, {0.7f, 1.5f}};

const char* const kTexts[] = {"magazine", "Goal",      "CheckPoint", "100100",   "1up",
                              "TIME UP",  "TestStage", "Stage1-1",   "Stage1-2", "Stage1-3",
                              "Stage1-4", "Stage2-1",  "Stage2-2",   "Stage2-3", "Stage2-4",
                              "Stage3-1", "Stage3-2",  "Stage3-3",   "Stage3-4", "Stage4-1",
                              "Stage4-2", "Stage4-3",  "Stage5-1",   "Stage5-2", "Stage5-3",
                              "Stage5-4", "Trial-1",   "Trial-2",    "Trial-3"};

// Inked columns of a glyph cell, counting every pixel that is not fully clear.
struct Columns {
    int left = 32, right = -1; // inclusive; right < 0: no ink
    void Add(int x) {
        left = std::min(left, x);
        right = std::max(right, x);
    }
};

// A glyph's ink and, inside it, its bright fill (the outline is dark).
struct GlyphColumns {
    Columns ink, fill;
};

bool IsFill(const TgaImage& sheet, int x, int y) {
    constexpr int kSolid = 128, kBright = 100;
    return sheet.At(x, y, 3) >= kSolid &&
           std::max({sheet.At(x, y, 0), sheet.At(x, y, 1), sheet.At(x, y, 2)}) >= kBright;
}

// Where one drawn glyph's ink and fill lie on screen.
struct InkSpan {
    char ch;
    float left, right, fillLeft, fillRight;
};

class TextInk : public EngineFixture {
protected:
    void SetUp() override {
        EngineFixture::SetUp();
        for (const FontFile& font : kFonts) {
            TgaImage sheet;
            std::string error;
            ASSERT_TRUE(ReadTga(kGameDir + "/" + font.file, sheet, error)) << font.file << error;
            ASSERT_EQ(sheet.width, 512);
            ASSERT_EQ(sheet.height, 256);
            std::vector<GlyphColumns>& columns = ink_[font.name];
            columns.resize(128);
            for (int code = 0; code < 128; ++code) {
                const int cellX = (code % 16) * 32, cellY = (code / 16) * 32;
                for (int y = 0; y < 32; ++y) {
                    for (int x = 0; x < 32; ++x) {
                        if (sheet.At(cellX + x, cellY + y, 3) > 0) {
                            columns[code].ink.Add(x);
                        }
                        if (IsFill(sheet, cellX + x, cellY + y)) {
                            columns[code].fill.Add(x);
                        }
                    }
                }
            }
            DeclareImage(font.file, 512, 256);
            app->images->Load(font.name, font.file, false);
        }
    }

    // Draws the text as the game does and maps each glyph's ink to the screen.
    std::vector<InkSpan> DrawnInk(const char* font, const std::string& text, const Style& style) {
        StringSpriteBase sprite(10.0f, 100.0f, text, font);
        sprite.scale = style.scale;
        sprite.spacing = style.spacing;
        recorder->ClearDraws();
        sprite.Draw();
        std::vector<InkSpan> spans;
        EXPECT_EQ(recorder->Draws().size(), text.size());
        for (size_t i = 0; i < recorder->Draws().size() && i < text.size(); ++i) {
            const vrels::DrawRecord& draw = recorder->Draws()[i];
            const int column = static_cast<int>(std::lround(draw.vertices[0].u * 512.0f / 32.0f));
            const int row = static_cast<int>(std::lround(draw.vertices[0].v * 256.0f / 32.0f));
            const int code = row * 16 + column;
            EXPECT_EQ(code, static_cast<unsigned char>(text[i])) << "the glyph cell drawn";
            const GlyphColumns& columns = ink_[font][code & 127];
            if (columns.ink.right < 0) {
                continue; // a space: nothing to collide with
            }
            const float glyphLeft = draw.vertices[0].x + 0.5f; // the device's half-pixel shift
            const float pixel = (draw.vertices[1].x - draw.vertices[0].x) / 32.0f;
            auto at = [&](int column) { return glyphLeft + static_cast<float>(column) * pixel; };
            spans.push_back({text[i], at(columns.ink.left), at(columns.ink.right + 1),
                             at(columns.fill.left), at(columns.fill.right + 1)});
        }
        return spans;
    }

    std::map<std::string, std::vector<GlyphColumns>> ink_;
};

TEST_F(TextInk, NeighbouringGlyphsNeverOverlapInTheGamesTexts) {
    for (const FontFile& font : kFonts) {
        for (const Style& style : kStyles) {
            for (const char* text : kTexts) {
                const std::vector<InkSpan> spans = DrawnInk(font.name, text, style);
                for (size_t i = 1; i < spans.size(); ++i) {
                    // At the score pop-ups' tight spacing the dark outlines
                    // may meet, as in any outlined lettering, but a pixel of
                    // dark must part the fills, or two letters read as one
                    // shape. At every wider spacing the ink stays apart.
                    const InkSpan& a = spans[i - 1];
                    const InkSpan& b = spans[i];
                    const std::string where = std::string(font.name) + " \"" + text +
                                              "\" at scale " + std::to_string(style.scale) +
                                              ", spacing " + std::to_string(style.spacing) + ": '" +
                                              a.ch + "' runs into '" + b.ch + "'";
                    if (style.spacing < 1.0f) {
                        EXPECT_LE(a.fillRight + 1.0f, b.fillLeft) << where;
                    } else {
                        EXPECT_LT(a.right, b.left) << where;
                    }
                }
            }
        }
    }
}

} // namespace
