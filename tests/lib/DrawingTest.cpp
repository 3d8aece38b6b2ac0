#include "../support/EngineFixture.h"
#include "resource/CTexture.h"
#include "resource/ImageStore.h"

#include "app/Log.h"
#include "lib/DrawListing.h"
#include "lib/Platform.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <unistd.h>

class Drawing : public EngineFixture {
protected:
    CTexture* Sprite16() {
        DeclareImage("gfx/t.tga", 64, 32);
        texture_ = std::make_unique<CTexture>();
        texture_->Load("t", "gfx/t.tga", false);
        texture_->SetRect(16, 0, 32, 16);
        texture_->SetCentre(8, 8);
        return texture_.get();
    }
    const vrels::DrawRecord& Last() { return recorder->Draws().back(); }
    std::unique_ptr<CTexture> texture_;
};

TEST_F(Drawing, ScaledSpriteCoversTheExpectedPixels) {
    CTexture* t = Sprite16();
    t->scale = 2.0f;
    app->graphics->DrawSprite(t, 100, 100, 1.0f, 0.0f, BlendAlpha);
    const auto& d = Last();
    // Strip order: top-left, top-right, bottom-left, bottom-right.
    EXPECT_FLOAT_EQ(d.vertices[0].x, 83.5f);
    EXPECT_FLOAT_EQ(d.vertices[1].x, 115.5f);
    EXPECT_FLOAT_EQ(d.vertices[0].y, 83.5f);
    EXPECT_FLOAT_EQ(d.vertices[2].y, 115.5f);
    EXPECT_FLOAT_EQ(d.vertices[0].u, 0.25f);
    EXPECT_FLOAT_EQ(d.vertices[1].u, 0.5f);
    EXPECT_FLOAT_EQ(d.vertices[2].v, 0.5f);
    EXPECT_EQ(d.alpha, 255);
    EXPECT_EQ(d.blend, BlendAlpha);
}

TEST_F(Drawing, HorizontalFlipMirrorsAboutTheCentreKeepingTexCoords) {
    CTexture* t = Sprite16();
    t->SetCentre(4, 0); // off-centre pivot
    app->graphics->DrawSprite(t, 50, 50, 1.0f, 0.0f, BlendAlpha);
    const auto plain = Last();
    t->flipH = true;
    app->graphics->DrawSprite(t, 50, 50, 1.0f, 0.0f, BlendAlpha);
    const auto flipped = Last();
    EXPECT_FLOAT_EQ(plain.vertices[0].x, 45.5f);   // 50 - 4 - 0.5
    EXPECT_FLOAT_EQ(flipped.vertices[0].x, 61.5f); // 50 + 12 - 0.5
    EXPECT_FLOAT_EQ(flipped.vertices[1].x, 45.5f);
    EXPECT_FLOAT_EQ(flipped.vertices[0].u, plain.vertices[0].u);
    t->flipH = false;
    t->flipV = true;
    app->graphics->DrawSprite(t, 50, 50, 1.0f, 0.0f, BlendAlpha);
    EXPECT_FLOAT_EQ(Last().vertices[0].y, 65.5f);
}

TEST_F(Drawing, RotationTurnsClockwiseAboutTheCentre) {
    CTexture* t = Sprite16();
    app->graphics->DrawSprite(t, 100, 100, 1.0f, static_cast<float>(3.14159265358979323846 / 2),
                              BlendAlpha);
    const auto& d = Last();
    // The top-left offset (-8, -8) turns a quarter clockwise to (8, -8).
    EXPECT_NEAR(d.vertices[0].x, 107.5f, 1e-4);
    EXPECT_NEAR(d.vertices[0].y, 91.5f, 1e-4);
}

TEST_F(Drawing, AlphaIsTruncatedToAByteAndUnknownBlendKeepsTheDeviceMode) {
    CTexture* t = Sprite16();
    app->graphics->DrawSprite(t, 0, 0, 0.999f, 0.0f, BlendAdd);
    EXPECT_EQ(Last().alpha, 254);
    EXPECT_EQ(Last().blend, BlendAdd);
    app->graphics->DrawSprite(t, 0, 0, 0.5f, 0.0f, 7);
    EXPECT_EQ(Last().alpha, 127);
    EXPECT_EQ(Last().blend, BlendAdd);
    EXPECT_EQ(app->graphics->currentBlendMode, 7);
    app->graphics->DrawSprite(t, 0, 0, 0.0f, 0.0f, 0);
    EXPECT_EQ(Last().alpha, 0);
    EXPECT_EQ(Last().blend, BlendAlpha);
}

TEST_F(Drawing, TiledOffsetStaysWithinOneTileAndWrapsBack) {
    DeclareImage("gfx/kabe.tga", 256, 256);
    CTexture tile;
    tile.Load("gfx/kabe.tga", false);
    DxGraphics::ResetTiledOffset();
    const TexRect rect{0, 0, 256, 256};
    recorder->ClearDraws();
    app->graphics->DrawTiled(&tile, rect, -1.0f, 0.5f, 0.5f);
    // 480/256 + 2 rows by 640/256 + 2 columns.
    EXPECT_EQ(recorder->Draws().size(), 3u * 4u);
    EXPECT_FLOAT_EQ(recorder->Draws()[0].vertices[0].x, -0.5f);
    for (int i = 1; i < 256; ++i) {
        app->graphics->DrawTiled(&tile, rect, -1.0f, 0.0f, 0.5f);
        const Point2f o = DxGraphics::TiledOffset();
        ASSERT_GE(o.x, -256.0f);
        ASSERT_LE(o.x, 0.0f);
    }
    EXPECT_FLOAT_EQ(DxGraphics::TiledOffset().x, -256.0f);
    app->graphics->DrawTiled(&tile, rect, -1.0f, 0.0f, 0.5f);
    EXPECT_FLOAT_EQ(DxGraphics::TiledOffset().x, -1.0f) << "back to where it began";
    EXPECT_FLOAT_EQ(DxGraphics::TiledOffset().y, -255.5f) << "0.5 down wraps to the tile's top";
    DxGraphics::ResetTiledOffset();
}

TEST_F(Drawing, QuadsTakeClockwiseCornersAndWarnOutsideAFrame) {
    CTexture* t = Sprite16();
    const Point2f corners[4] = {{0, 0}, {10, 0}, {10, 20}, {0, 20}};
    app->graphics->BeginFrame();
    app->graphics->DrawQuad(t, corners, 1.0f);
    app->graphics->EndFrame();
    const auto& d = Last();
    EXPECT_FLOAT_EQ(d.vertices[2].x, -0.5f); // bottom-left comes third in the strip
    EXPECT_FLOAT_EQ(d.vertices[2].y, 19.5f);
    EXPECT_FLOAT_EQ(d.vertices[3].u, 1.0f);
}

// A draw outside a frame is a mistake that repeats every frame: the player
// sees one message box for each kind of call, the log keeps the rest.
TEST_F(Drawing, StrayDrawsOutsideAFrameAreReportedOncePerKind) {
    setenv("VRELS_NO_DIALOGS", "1", 1);
    const std::string log = "/tmp/vrels-stray-draws-" + std::to_string(getpid()) + ".log";
    std::remove(log.c_str());
    vrels::SetLogPath(log);
    CTexture* t = Sprite16();
    const Point2f corners[4] = {{0, 0}, {10, 0}, {10, 20}, {0, 20}};
    const TexRect glyph{0, 0, 16, 16};
    const int before = vrels::platform::MessagesAsked();
    for (int frame = 0; frame < 3; ++frame) {
        app->graphics->DrawQuad(t, corners, 1.0f);
        app->graphics->DrawSprite3D(320, 300, 0, 0, -100, 1.0f, 2.0f, 0, 0.5f, 0, t, glyph);
    }
    EXPECT_EQ(recorder->Draws().size(), 6u) << "stray draws still draw";
    EXPECT_EQ(vrels::platform::MessagesAsked(), before + 2);
    app->graphics->BeginFrame();
    app->graphics->DrawQuad(t, corners, 1.0f);
    app->graphics->EndFrame();
    EXPECT_EQ(vrels::platform::MessagesAsked(), before + 2);
    vrels::SetLogPath("log.txt");
    std::ifstream in(log);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::remove(log.c_str());
    size_t reports = 0;
    size_t logged = 0;
    for (size_t at = 0; (at = text.find("DrawPrimitiveUP", at)) != std::string::npos; ++at) {
        const bool quiet = text.compare(at, 31, "DrawPrimitiveUP outside a frame") == 0;
        (quiet ? logged : reports) += 1;
    }
    EXPECT_EQ(reports, 2u) << text;
    EXPECT_EQ(logged, 4u) << text;
    EXPECT_NE(text.find("gfx/t.tga"), std::string::npos) << "each names the picture";
}

TEST_F(Drawing, StoresRegisterNewestTexturesAndReleaseThemWithTheStore) {
    DeclareImage("gfx/coin.tga", 240, 48);
    {
        RealImageStore store;
        store.Load("coin", "gfx/coin.tga", false);
        CTexture* coin = store.Get("coin");
        ASSERT_NE(coin, nullptr);
        EXPECT_EQ(coin->right, 240);
        EXPECT_EQ(coin->bottom, 48);
        EXPECT_FLOAT_EQ(coin->cx, 0);
        EXPECT_EQ(FindTexture("coin"), coin);
        store.Load("coin", "gfx/coin.tga", false);
        CTexture* second = store.Get("coin");
        EXPECT_NE(second, coin);
        EXPECT_EQ(FindTexture("coin"), second) << "replacing the first keeps the newest registered";
        EXPECT_EQ(store.Get("never"), nullptr);
    }
    EXPECT_EQ(FindTexture("coin"), nullptr);
}

TEST_F(Drawing, CentredLoadAndMissingFilesGiveAVisiblePlaceholder) {
    DeclareImage("gfx/odd.tga", 33, 48);
    CTexture odd;
    odd.Load("gfx/odd.tga", true);
    EXPECT_FLOAT_EQ(odd.cx, 16.5f);
    EXPECT_FLOAT_EQ(odd.cy, 24.0f);

    setenv("VRELS_NO_DIALOGS", "1", 1);
    CTexture missing;
    missing.Load("gfx/does_not_exist.tga", false);
    EXPECT_EQ(missing.Width(), 64);
    app->graphics->DrawSprite(&missing, 0, 0, 1.0f, 0.0f, BlendAlpha);
    EXPECT_TRUE(Last().placeholder);
    EXPECT_LE(Last().vertices[3].u, 1.0f);
}

TEST_F(Drawing, LostDeviceReloadsTexturesKeepingTheirRectangles) {
    CTexture* t = Sprite16();
    const int loads = recorder->Loads();
    recorder->LoseDevice();
    app->graphics->EndFrame();
    EXPECT_TRUE(app->graphics->deviceLost);
    app->graphics->TryRestore(); // reset and rebuild
    EXPECT_EQ(recorder->Loads(), loads + 1);
    EXPECT_EQ(t->left, 16) << "the object's rectangle survives the reload";
    EXPECT_TRUE(app->graphics->deviceLost);
    app->graphics->TryRestore(); // cooperative again
    EXPECT_FALSE(app->graphics->deviceLost);
}

TEST_F(Drawing, HostilePicturesAreRefusedByNameAndDrawAsThePlaceholder) {
    setenv("VRELS_NO_DIALOGS", "1", 1);
    const std::string log = "/tmp/vrels-hostile-pictures-" + std::to_string(getpid()) + ".log";
    std::remove(log.c_str());
    vrels::SetLogPath(log);
    const std::string folder = std::string(VRELS_SOURCE_DIR) + "/tests/fuzz/reproducers/tga/";
    for (const char* name : {"65535x65535.tga", "cut_after_header.tga", "rle_cut.tga"}) {
        CTexture picture;
        picture.Load("hostile", folder + name, false);
        EXPECT_EQ(picture.Width(), 64) << name;
        app->graphics->DrawSprite(&picture, 0, 0, 1.0f, 0.0f, BlendAlpha);
        EXPECT_TRUE(Last().placeholder) << name;
    }
    vrels::SetLogPath("log.txt");
    std::ifstream in(log);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::remove(log.c_str());
    EXPECT_NE(text.find("65535x65535.tga: picture size 65535 x 65535 outside 1 to 8192"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("cut_after_header.tga: the file ends before its pixel data does"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("rle_cut.tga: the file ends before its pixel data does"), std::string::npos)
        << text;
}

TEST_F(Drawing, TheListingNamesEachDrawInTheSpritesOwnTerms) {
    CTexture* t = Sprite16();
    t->scale = 1.5f;
    t->flipH = true;
    app->graphics->DrawSprite(t, 100.25f, -3, 0.5f, 0.7854f, BlendAdd);
    EXPECT_EQ(vrels::DrawListingLine(Last(), 7),
              "7 sprite \"t\" rect 16,0,32,16 at 100.25,-3 centre 8,8 scale 1.5 angle 0.785 "
              "flip h alpha 127 blend 2");
    const Point2f corners[4] = {{10, 20}, {30, 20}, {30, 40}, {10, 40}};
    app->graphics->BeginFrame();
    app->graphics->DrawQuad(t, corners, 1.0f);
    app->graphics->EndFrame();
    EXPECT_EQ(vrels::DrawListingLine(Last(), 0),
              "0 quad \"t\" rect 0,0,64,32 corners 9.5,19.5 29.5,19.5 9.5,39.5 29.5,39.5 "
              "alpha 255 blend 1");
    // A picture that failed to load is marked; odd bytes in names are escaped.
    vrels::DrawRecord bare = Last();
    bare.texture = std::string("adv/mary0.tga\x01", 14);
    bare.placeholder = true;
    EXPECT_EQ(vrels::DrawListingLine(bare, 3),
              "3 quad \"adv/mary0.tga\\x01\" rect 0,0,64,32 corners 9.5,19.5 29.5,19.5 9.5,39.5 "
              "29.5,39.5 alpha 255 blend 1 missing");
    EXPECT_EQ(vrels::DrawListing(recorder->Draws(), recorder->Draws().size() - 1),
              vrels::DrawListingLine(Last(), 0) + "\n");
}
