// The renderer's shortcuts (nearest sampling for one-to-one draws, no blending
// for opaque pictures, no clear under a covering backdrop) must not change a
// single pixel: the same frames drawn with and without them are compared; nor
// may the window's size, which only scales the finished frame.
#include "lib/Platform.h"
#include "lib/SdlGraphicsBackend.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace {

// An uncompressed 32-bit TGA, top row first, from a pixel function (ARGB).
template <typename Pixel> void WriteTga(const std::string& file, int w, int h, Pixel pixel) {
    std::ofstream out(file, std::ios::binary);
    const unsigned char header[18] = {0,
                                      0,
                                      2,
                                      0,
                                      0,
                                      0,
                                      0,
                                      0,
                                      0,
                                      0,
                                      0,
                                      0,
                                      static_cast<unsigned char>(w & 255),
                                      static_cast<unsigned char>(w >> 8),
                                      static_cast<unsigned char>(h & 255),
                                      static_cast<unsigned char>(h >> 8),
                                      32,
                                      8 | 0x20};
    out.write(reinterpret_cast<const char*>(header), sizeof(header));
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const std::uint32_t p = pixel(x, y);
            const char bgra[4] = {static_cast<char>(p & 255), static_cast<char>((p >> 8) & 255),
                                  static_cast<char>((p >> 16) & 255), static_cast<char>(p >> 24)};
            out.write(bgra, 4);
        }
    }
}

// A quad in the draw model (pixel centres on whole numbers): the texture
// rectangle (in texels of an image of size iw x ih) placed with its top-left
// corner at (x, y), scaled by s, optionally mirrored.
struct Quad {
    vrels::QuadVertex v[4];
};
Quad Place(float x, float y, float s, int left, int top, int right, int bottom, float iw, float ih,
           bool mirror = false) {
    const float w = static_cast<float>(right - left) * s;
    const float h = static_cast<float>(bottom - top) * s;
    float xl = x - 0.5f;
    float xr = x + w - 0.5f;
    if (mirror) {
        std::swap(xl, xr);
    }
    const float xs[4] = {xl, xr, xl, xr};
    const float ys[4] = {y - 0.5f, y - 0.5f, y + h - 0.5f, y + h - 0.5f};
    Quad q;
    for (int i = 0; i < 4; ++i) {
        q.v[i].x = xs[i];
        q.v[i].y = ys[i];
        q.v[i].u = static_cast<float>(i % 2 == 0 ? left : right) / iw;
        q.v[i].v = static_cast<float>(i < 2 ? top : bottom) / ih;
    }
    return q;
}

Quad Turned(Quad q, float angle) {
    const float cx = (q.v[0].x + q.v[3].x) / 2;
    const float cy = (q.v[0].y + q.v[3].y) / 2;
    for (auto& v : q.v) {
        const float dx = v.x - cx;
        const float dy = v.y - cy;
        v.x = cx + dx * std::cos(angle) - dy * std::sin(angle);
        v.y = cy + dx * std::sin(angle) + dy * std::cos(angle);
    }
    return q;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

class RendererShortcuts : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        setenv("VRELS_NO_DIALOGS", "1", 1);
        char pattern[] = "/tmp/vrels-shortcuts-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
        ASSERT_TRUE(vrels::platform::Startup());
        WriteTga(folder + "/backdrop.tga", 640, 480, [](int x, int y) {
            return 0xFF000000u | static_cast<std::uint32_t>(((x * 7) & 255) << 16 |
                                                            ((y * 5) & 255) << 8 | ((x ^ y) & 255));
        });
        WriteTga(folder + "/sprites.tga", 64, 32, [](int x, int y) {
            const std::uint32_t a = static_cast<std::uint32_t>((x * 37 + y * 11) % 256);
            return a << 24 | static_cast<std::uint32_t>((x * 4) << 16 | (y * 8) << 8 | 200);
        });
        WriteTga(folder + "/tile.tga", 32, 32, [](int x, int y) {
            return 0xFF000000u | static_cast<std::uint32_t>((x * 8) << 8 | (y * 8));
        });
        Open(1);
    }
    // A window of 640 x 480 times `scale`, its back end and the pictures.
    void Open(int scale) {
        ASSERT_TRUE(window.Create("shortcuts", false, scale));
        std::string error;
        backend = vrels::SdlGraphicsBackend::Create(&window, false, &error);
        ASSERT_TRUE(backend) << error;
        vrels::ImageInfo info;
        backdrop = backend->LoadTexture(folder + "/backdrop.tga", false, &info, &error);
        sprites = backend->LoadTexture(folder + "/sprites.tga", false, &info, &error);
        tile = backend->LoadTexture(folder + "/tile.tga", true, &info, &error);
        ASSERT_TRUE(backdrop && sprites && tile) << error;
    }
    void Close() {
        backdrop.reset();
        sprites.reset();
        tile.reset();
        backend.reset();
        window.Destroy();
    }
    void TearDown() override {
        Close();
        if (!HasFailure()) {
            std::error_code ignored;
            std::filesystem::remove_all(folder, ignored);
        }
    }

    void Draw(const std::shared_ptr<vrels::BackendTexture>& t, const Quad& q, int alpha = 255,
              int blend = 1) {
        backend->DrawQuad(t.get(), "t", q.v, static_cast<std::uint8_t>(alpha), blend);
    }

    // Everything a frame of the game does, once over the backdrop and once
    // over a cleared screen.
    // The frame picture of a scaled window is drawn upside down (and turned
    // over when shown), so a draw whose edge lies exactly on a row of pixel
    // centres may take the row on its other side; `halfPixelEdges` leaves
    // that draw out.
    std::string Frame(bool withBackdrop, const std::string& name, bool halfPixelEdges = true) {
        backend->BeginFrame();
        if (withBackdrop) {
            // Twice, as the stage does: the repeat may be left out.
            Draw(backdrop, Place(0, 0, 1, 0, 0, 640, 480, 640, 480));
            Draw(backdrop, Place(0, 0, 1, 0, 0, 640, 480, 640, 480));
        }
        for (int i = 0; i < 8; ++i) {
            const float x = static_cast<float>(20 + i * 70);
            Draw(sprites, Place(x, 40, 1, 16 * (i % 4), 0, 16 * (i % 4) + 16, 16, 64, 32));
            Draw(sprites, Place(x, 80, 1, 0, 16, 32, 32, 64, 32, true));
            if (halfPixelEdges) {
                Draw(sprites, Place(x + 0.25f, 120.5f, 1, 0, 0, 16, 16, 64, 32));
            }
            Draw(sprites, Place(x, 160, 2, 16, 0, 32, 16, 64, 32));
            Draw(sprites, Place(x, 220, 0.75f, 0, 0, 32, 32, 64, 32));
            Draw(sprites, Turned(Place(x, 270, 1, 0, 0, 32, 32, 64, 32), 0.3f));
            Draw(sprites, Place(x, 320, 1, 32, 0, 64, 32, 64, 32), 128);
            Draw(sprites, Place(x, 360, 1, 32, 0, 48, 16, 64, 32), 255, 2 + i % 3);
            Draw(tile, Place(x, 400, 1, 0, 0, 32, 32, 32, 32), i % 2 ? 255 : 100, 1 + 3 * (i % 2));
            // An opaque tile, a sprite over it, the tile again: the second
            // tile is not a repeat, it covers the sprite.
            Draw(tile, Place(x, 440, 1, 0, 0, 32, 32, 32, 32));
            Draw(sprites, Place(x + 8, 440, 1, 0, 0, 16, 16, 64, 32));
            Draw(tile, Place(x, 440, 1, 0, 0, 32, 32, 32, 32));
        }
        // A missing picture draws the placeholder.
        backend->DrawQuad(nullptr, "missing", Place(600, 440, 1, 0, 0, 32, 32, 256, 256).v, 255, 1);
        const std::string file = folder + "/" + name + ".png";
        EXPECT_TRUE(backend->CaptureFrame(file));
        backend->Present();
        return ReadFile(file);
    }

    std::string folder;
    vrels::platform::Window window;
    std::unique_ptr<vrels::SdlGraphicsBackend> backend;
    std::shared_ptr<vrels::BackendTexture> backdrop;
    std::shared_ptr<vrels::BackendTexture> sprites;
    std::shared_ptr<vrels::BackendTexture> tile;
};

} // namespace

TEST_F(RendererShortcuts, FramesAreTheSamePixelForPixel) {
    backend->SetShortcuts(false);
    const std::string plainCovered = Frame(true, "plain-covered");
    const std::string plainCleared = Frame(false, "plain-cleared");
    backend->SetShortcuts(true);
    const std::string fastCovered = Frame(true, "fast-covered");
    const std::string fastCleared = Frame(false, "fast-cleared");
    ASSERT_GT(plainCovered.size(), 1000u);
    EXPECT_TRUE(plainCovered == fastCovered) << "see " << folder;
    EXPECT_TRUE(plainCleared == fastCleared) << "the frame after the backdrop must be cleared";
    EXPECT_FALSE(plainCovered == plainCleared);
}

// A window of any other size draws the frame at the game's 640 x 480 and
// scales it whole: the very frame of the 640 x 480 window, pixel for pixel.
// Scaling each draw instead let every tile of a sheet filter in its
// neighbours' edges and drew faint lines along the tile grid.
TEST_F(RendererShortcuts, AWindowOfAnotherSizeDrawsTheSameFrame) {
    const std::string exact = Frame(true, "exact", false);
    const std::string cleared = Frame(false, "exact-cleared", false);
    for (const int scale : {2, 3}) {
        Close();
        Open(scale);
        EXPECT_TRUE(Frame(true, "scaled", false) == exact) << "at " << scale << "x, see " << folder;
        EXPECT_TRUE(Frame(false, "scaled-cleared", false) == cleared) << "at " << scale << "x";
        backend->SetShortcuts(false);
        EXPECT_TRUE(Frame(true, "scaled-plain", false) == exact)
            << "at " << scale << "x, without shortcuts";
    }
}
