// vrels-ceiling: a bare SDL program that draws N textured quads a frame with
// the game's renderer settings (OpenGL driver, batching, 640 x 480 logical
// size, no vertical sync) and presents each frame. Its frame rate is the most
// the game could reach drawing the same number and size of quads; the
// benchmark script divides the game's frame rate by it.
#include "tools/ceiling/CeilingOptions.h"

#include <SDL.h>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

namespace {

using vrels::ceiling::CeilingOptions;

void Fail(const char* call) {
    std::fprintf(stderr, "vrels-ceiling: %s failed: %s\n", call, SDL_GetError());
}

// A texture filled by a pixel function; null after reporting a failure.
template <typename Pixel>
SDL_Texture* MakeTexture(SDL_Renderer* renderer, int w, int h, bool nearest, Pixel pixel) {
    std::vector<Uint32> pixels(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            pixels[static_cast<size_t>(y) * w + x] = pixel(x, y);
        }
    }
    SDL_Texture* texture =
        SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, w, h);
    if (!texture) {
        Fail("SDL_CreateTexture");
        return nullptr;
    }
    if (SDL_UpdateTexture(texture, nullptr, pixels.data(), w * 4) != 0) {
        Fail("SDL_UpdateTexture");
    }
    if (SDL_SetTextureScaleMode(texture, nearest ? SDL_ScaleModeNearest : SDL_ScaleModeLinear) !=
        0) {
        Fail("SDL_SetTextureScaleMode");
    }
    return texture;
}

void DrawQuad(SDL_Renderer* renderer, SDL_Texture* texture, float x, float y, float w, float h) {
    SDL_Vertex v[4];
    const float xs[4] = {x, x + w, x, x + w};
    const float ys[4] = {y, y, y + h, y + h};
    for (int i = 0; i < 4; ++i) {
        v[i].position = SDL_FPoint{xs[i], ys[i]};
        v[i].color = SDL_Color{255, 255, 255, 255};
        v[i].tex_coord = SDL_FPoint{i % 2 == 0 ? 0.0f : 1.0f, i < 2 ? 0.0f : 1.0f};
    }
    static const int indices[6] = {0, 1, 2, 1, 3, 2};
    SDL_RenderGeometry(renderer, texture, v, 4, indices, 6);
}

int Run(const CeilingOptions& options) {
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        Fail("SDL_Init");
        return 1;
    }
    // The game's renderer settings.
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    if (!SDL_GetHint(SDL_HINT_RENDER_DRIVER)) {
        SDL_SetHint(SDL_HINT_RENDER_DRIVER, "opengl");
    }
    SDL_SetHint(SDL_HINT_RENDER_BATCHING, "1");
    SDL_Window* window = SDL_CreateWindow("vrels-ceiling", SDL_WINDOWPOS_CENTERED,
                                          SDL_WINDOWPOS_CENTERED, 640, 480, 0);
    if (!window) {
        Fail("SDL_CreateWindow");
        SDL_Quit();
        return 1;
    }
    SDL_Renderer* renderer =
        SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_TARGETTEXTURE);
    if (!renderer) {
        Fail("SDL_CreateRenderer");
        SDL_DestroyWindow(window);
        SDL_Quit();
        return 1;
    }
    if (SDL_RenderSetLogicalSize(renderer, 640, 480) != 0) {
        Fail("SDL_RenderSetLogicalSize");
    }
    SDL_RendererInfo info;
    const char* driver = SDL_GetRendererInfo(renderer, &info) == 0 ? info.name : "?";

    const int s = options.size;
    SDL_Texture* sprite = MakeTexture(renderer, s, s, options.nearest, [s](int x, int y) {
        // A soft-edged disc: every texel goes through the blending.
        const int dx = 2 * x - s + 1;
        const int dy = 2 * y - s + 1;
        const int d2 = dx * dx + dy * dy;
        const Uint32 a = d2 >= s * s ? 0u : 255u - static_cast<Uint32>(255LL * d2 / (s * s));
        return (a << 24) | 0x00C08040u;
    });
    SDL_Texture* backdrop = MakeTexture(renderer, 640, 480, options.nearest, [](int x, int y) {
        return 0xFF000000u | static_cast<Uint32>((x / 2) << 8 | (y / 2));
    });
    if (!sprite || !backdrop) {
        SDL_DestroyRenderer(renderer);
        SDL_DestroyWindow(window);
        SDL_Quit();
        return 1;
    }
    SDL_SetTextureBlendMode(sprite, SDL_BLENDMODE_BLEND);
    SDL_SetTextureBlendMode(backdrop,
                            options.opaqueFirst ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);

    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    auto measureFrom = start;
    bool measuring = false;
    long frames = 0;
    std::clock_t cpuFrom = std::clock();
    for (long frame = 0;; ++frame) {
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
        }
        const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
        if (!measuring && elapsed >= 1.0) {
            measuring = true;
            measureFrom = Clock::now();
            cpuFrom = std::clock();
            frames = 0;
        }
        if (measuring && elapsed >= 1.0 + options.seconds) {
            break;
        }
        int first = 0;
        if (options.opaqueFirst) {
            DrawQuad(renderer, backdrop, 0, 0, 640, 480);
            first = 1;
        } else {
            SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
            SDL_RenderClear(renderer);
        }
        // Squares on whole pixels spread over the screen, drifting a pixel a frame.
        for (int i = first; i < options.quads; ++i) {
            const int x = static_cast<int>((i * 97 + frame) % (640 + s)) - s;
            const int y = static_cast<int>((i * 61) % (480 + s)) - s;
            DrawQuad(renderer, sprite, static_cast<float>(x), static_cast<float>(y),
                     static_cast<float>(s), static_cast<float>(s));
        }
        SDL_RenderFlush(renderer);
        SDL_RenderPresent(renderer);
        ++frames;
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - measureFrom).count();
    // Processor time of all threads, the renderer's included: what a frame
    // costs, whatever else the machine was doing.
    const double cpu = static_cast<double>(std::clock() - cpuFrom) / CLOCKS_PER_SEC;
    std::printf("ceiling: %d quads of %d x %d a frame (%s backdrop, %s, %s): %.1f frames/s, %.1f "
                "frames per processor second\n",
                options.quads, s, s, options.opaqueFirst ? "opaque" : "no",
                options.nearest ? "nearest" : "linear", driver,
                static_cast<double>(frames) / seconds,
                cpu > 0 ? static_cast<double>(frames) / cpu : 0.0);
    SDL_DestroyTexture(sprite);
    SDL_DestroyTexture(backdrop);
    SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        std::fputs(vrels::ceiling::CeilingUsage().c_str(), stdout);
        return 0;
    }
    CeilingOptions options;
    std::string error;
    if (!vrels::ceiling::ParseCeilingArguments(args, &options, &error)) {
        std::fprintf(stderr, "vrels-ceiling: %s\n%s", error.c_str(),
                     vrels::ceiling::CeilingUsage().c_str());
        return 2;
    }
    return Run(options);
}
