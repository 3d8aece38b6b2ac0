// The game's texts drawn by the engine's own text sprites over the real font
// sheets: at every scale and spacing the game uses, no glyph's ink reaches
// into its neighbour's.
#include "../../support/EngineFixture.h"
#include "TgaFile.h"
#include "resource/ImageStore.h"
#include "ui/StringSprite.h"

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
};

// Where one drawn glyph's ink lies on screen.
struct InkSpan {
    char ch;
    float left, right;
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
            std::vector<Columns>& columns = ink_[font.name];
            columns.resize(128);
            for (int code = 0; code < 128; ++code) {
                const int cellX = (code % 16) * 32, cellY = (code / 16) * 32;
                for (int y = 0; y < 32; ++y) {
                    for (int x = 0; x < 32; ++x) {
                        if (sheet.At(cellX + x, cellY + y, 3) > 0) {
                            columns[code].left = std::min(columns[code].left, x);
                            columns[code].right = std::max(columns[code].right, x);
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
            const Columns& columns = ink_[font][code & 127];
            if (columns.right < 0) {
                continue; // a space: nothing to collide with
            }
            const float glyphLeft = draw.vertices[0].x + 0.5f; // the device's half-pixel shift
            const float pixel = (draw.vertices[1].x - draw.vertices[0].x) / 32.0f;
            spans.push_back({text[i], glyphLeft + static_cast<float>(columns.left) * pixel,
                             glyphLeft + static_cast<float>(columns.right + 1) * pixel});
        }
        return spans;
    }

    std::map<std::string, std::vector<Columns>> ink_;
};

TEST_F(TextInk, NeighbouringGlyphsNeverOverlapInTheGamesTexts) {
    for (const FontFile& font : kFonts) {
        for (const Style& style : kStyles) {
            for (const char* text : kTexts) {
                const std::vector<InkSpan> spans = DrawnInk(font.name, text, style);
                for (size_t i = 1; i < spans.size(); ++i) {
                    // Strictly apart: touching ink would read as one shape.
                    EXPECT_LT(spans[i - 1].right, spans[i].left)
                        << font.name << " \"" << text << "\" at scale " << style.scale
                        << ", spacing " << style.spacing << ": '" << spans[i - 1].ch
                        << "' runs into '" << spans[i].ch << "'";
                }
            }
        }
    }
}

} // namespace
