#include "../support/EngineFixture.h"
#include "lib/KeyCodes.h"
#include "resource/ImageStore.h"
#include "ui/SelectManager.h"
#include "ui/StringSprite.h"

#include <cmath>

class TextAndMenus : public EngineFixture {
protected:
    void SetUp() override {
        EngineFixture::SetUp();
        DeclareImage("gfx/font_normal.tga", 512, 256);
        DeclareImage("gfx/font_green.tga", 512, 256);
        DeclareImage("gfx/1up.tga", 64, 64);
        DeclareImage("gfx/title_menu.tga", 384, 128);
        app->images->Load("NormalFont", "gfx/font_normal.tga", false);
        app->images->Load("GreenFont", "gfx/font_green.tga", false);
        app->images->Load("1up", "gfx/1up.tga", false);
    }
};

TEST_F(TextAndMenus, PenAdvancesByTruncatedWidthsAndGlyphsDropByTheirOffsets) {
    StringSprite text(100, 50, "Ag");
    recorder->ClearDraws();
    text.Draw();
    ASSERT_EQ(recorder->Draws().size(), 2u);
    const auto& a = recorder->Draws()[0];
    const auto& g = recorder->Draws()[1];
    EXPECT_FLOAT_EQ(a.vertices[0].x, 99.5f);
    EXPECT_FLOAT_EQ(a.vertices[0].y, 49.5f);
    EXPECT_FLOAT_EQ(g.vertices[0].x, 115.5f);  // "A" advances trunc(14 * 1.5 * 0.8) = 16
    EXPECT_NEAR(g.vertices[0].y, 54.3f, 1e-4); // 50 + 4 * 1.5 * 0.8 - 0.5
    // The glyph cell of 'g' (103): column 7, row 6; drawn at scale 0.8.
    EXPECT_FLOAT_EQ(g.vertices[0].u, 224.0f / 512.0f);
    EXPECT_FLOAT_EQ(g.vertices[0].v, 192.0f / 256.0f);
    EXPECT_NEAR(g.vertices[1].x - g.vertices[0].x, 25.6f, 1e-4);

    recorder->ClearDraws();
    StringSprite(0, 0, "").Draw();
    EXPECT_TRUE(recorder->Draws().empty());
    StringSprite(0, 0, std::string("\x01Z", 2)).Draw();
    ASSERT_EQ(recorder->Draws().size(), 2u);
    EXPECT_FLOAT_EQ(recorder->Draws()[1].vertices[0].x, -0.5f) << "control codes do not advance";
}

TEST_F(TextAndMenus, BlendCellsFadeByATenthAndBlinkingTakesEightyFrames) {
    BlendStringCell cell("x", 0, 0, 0.24f, 1.0f);
    int frames = 0;
    while (cell.alpha < 1.0f && frames < 100) {
        cell.Update();
        ++frames;
    }
    EXPECT_EQ(frames, 8);
    cell.targetAlpha = 0.24f;
    cell.Update();
    EXPECT_FLOAT_EQ(cell.alpha, 0.9f);

    BlinkString blink("PRESS START BUTTON");
    int up = 0;
    while (blink.alpha < 1.0f && up < 200) {
        blink.Draw();
        ++up;
    }
    EXPECT_NEAR(up, 80, 1);
    blink.Draw();
    EXPECT_LT(blink.alpha, 1.0f) << "then it fades out again";
}

TEST_F(TextAndMenus, MenuWrapsAndRepeatsEverySixteenFrames) {
    SelectManager menu;
    menu.AddItem("one", 100, 75);
    menu.AddItem("two", 100, 90);
    menu.AddItem("three", 100, 435);
    menu.ResetSelection();
    EXPECT_FLOAT_EQ(menu.cursor.x, 84);
    EXPECT_FLOAT_EQ(menu.cursor.y, 80);
    EXPECT_FLOAT_EQ(menu.items[1]->alpha, SelectManager::DimmedAlpha);

    std::vector<int> moves;
    for (int frame = 1; frame <= 48; ++frame) {
        Hold({dik::DOWN});
        const int before = menu.Selected();
        menu.Update();
        if (menu.Selected() != before) {
            moves.push_back(frame);
        }
    }
    EXPECT_EQ(moves, (std::vector<int>{16, 32, 48}));
    EXPECT_EQ(menu.Selected(), 0) << "down from the last item wraps to the first";
    for (int frame = 0; frame < 16; ++frame) {
        Hold({dik::UP, dik::DOWN});
        menu.Update();
    }
    EXPECT_EQ(menu.Selected(), 2) << "up wins and wraps from the first to the last";
    EXPECT_EQ(menu.GetSelected(), "three");

    Hold({});
    for (int frame = 0; frame < 28; ++frame) {
        menu.Update();
    }
    EXPECT_LT(std::fabs(menu.cursor.y - 440.0f), 1.0f) << "the cursor eases onto its target";
    EXPECT_FLOAT_EQ(menu.items[2]->alpha, 1.0f);
    EXPECT_FLOAT_EQ(menu.items[0]->alpha, SelectManager::DimmedAlpha);
}

TEST_F(TextAndMenus, TitleMenuDrawsRowsFromTheMenuImage) {
    TitleSelectManager menu;
    menu.AddItem("Arcade Mode", 0, 0);
    menu.AddItem("Stage Select", 0, 0);
    menu.AddItem("Quit", 0, 0);
    menu.ResetSelection();
    recorder->ClearDraws();
    menu.Draw();
    ASSERT_EQ(recorder->Draws().size(), 3u);
    EXPECT_FLOAT_EQ(recorder->Draws()[0].vertices[0].u, 0.5f) << "the selected row is highlighted";
    EXPECT_FLOAT_EQ(recorder->Draws()[1].vertices[0].u, 0.0f);
    EXPECT_FLOAT_EQ(recorder->Draws()[2].vertices[0].y, 323.5f);
}
