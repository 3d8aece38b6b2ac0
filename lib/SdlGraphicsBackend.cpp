#include "lib/SdlGraphicsBackend.h"

#include "app/Log.h"
#include "app/Paths.h"
#include "app/SafeFileWrite.h"
#include "lib/PictureFile.h"
#include "lib/SdlWindow.h"

#include <SDL.h>
#include <SDL_image.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace vrels {

namespace {

// One image as two renderer textures with the same pixels: one filtered
// linearly for scaled, turned or fractional draws, one sampled nearest for
// draws that map texels one to one onto pixels, where both give the same
// pixels and nearest is cheaper. Two textures rather than switching one's
// filter, because a switch takes effect at once, also for draws still queued.
class SdlTexture : public BackendTexture {
public:
    SdlTexture(SDL_Texture* linear, SDL_Texture* nearest, int width, int height,
               unsigned imageWidth, unsigned imageHeight, bool opaque)
        : linear_(linear), nearest_(nearest), width_(width), height_(height),
          imageWidth_(imageWidth), imageHeight_(imageHeight), opaque_(opaque) {}
    ~SdlTexture() override {
        if (linear_) {
            SDL_DestroyTexture(linear_);
        }
        if (nearest_) {
            SDL_DestroyTexture(nearest_);
        }
    }
    SDL_Texture* Linear() const { return linear_; }
    // Falls back to the linear texture when the nearest one could not be made.
    SDL_Texture* Nearest() const { return nearest_ ? nearest_ : linear_; }
    // Texture coordinates are given relative to the image; a padded texture
    // is larger, so they shrink by the image-to-texture ratio.
    float UScale() const { return static_cast<float>(imageWidth_) / static_cast<float>(width_); }
    float VScale() const { return static_cast<float>(imageHeight_) / static_cast<float>(height_); }
    float ImageWidth() const { return static_cast<float>(imageWidth_); }
    float ImageHeight() const { return static_cast<float>(imageHeight_); }
    // Every texel, padding included, has full alpha.
    bool Opaque() const { return opaque_; }

private:
    SDL_Texture* linear_;
    SDL_Texture* nearest_;
    int width_;
    int height_;
    unsigned imageWidth_;
    unsigned imageHeight_;
    bool opaque_;
};

bool IsWhole(float value) {
    return std::fabs(value - std::round(value)) < 1e-3f;
}

bool Near(float a, float b) {
    return std::fabs(a - b) < 1e-3f;
}

// An axis-aligned quad (strip order top-left, top-right, bottom-left,
// bottom-right), possibly mirrored.
bool AxisAligned(const QuadVertex v[4]) {
    return v[0].y == v[1].y && v[2].y == v[3].y && v[0].x == v[2].x && v[1].x == v[3].x &&
           v[0].u == v[2].u && v[1].u == v[3].u && v[0].v == v[1].v && v[2].v == v[3].v;
}

// True when every pixel centre of the quad falls on a texel centre: the quad
// is axis-aligned, its edges lie on pixel edges and it is exactly as many
// pixels as texels in each direction. Linear filtering then weighs one texel
// only, and nearest sampling gives the same colour.
bool OneToOne(const QuadVertex v[4], float imageWidth, float imageHeight) {
    if (!AxisAligned(v)) {
        return false;
    }
    // Pixel edges are at whole numbers minus a half in the draw model.
    if (!IsWhole(v[0].x + 0.5f) || !IsWhole(v[1].x + 0.5f) || !IsWhole(v[0].y + 0.5f) ||
        !IsWhole(v[2].y + 0.5f)) {
        return false;
    }
    const float pixelsWide = std::fabs(v[1].x - v[0].x);
    const float pixelsHigh = std::fabs(v[2].y - v[0].y);
    const float texelsWide = std::fabs(v[1].u - v[0].u) * imageWidth;
    const float texelsHigh = std::fabs(v[2].v - v[0].v) * imageHeight;
    // Texel edges must be whole too, or the centres fall between texels.
    return Near(pixelsWide, texelsWide) && Near(pixelsHigh, texelsHigh) &&
           IsWhole(v[0].u * imageWidth) && IsWhole(v[0].v * imageHeight);
}

// True when the quad covers the whole 640 x 480 screen.
bool CoversScreen(const QuadVertex v[4]) {
    if (!AxisAligned(v)) {
        return false;
    }
    const float left = std::min(v[0].x, v[1].x) + 0.5f;
    const float right = std::max(v[0].x, v[1].x) + 0.5f;
    const float top = std::min(v[0].y, v[2].y) + 0.5f;
    const float bottom = std::max(v[0].y, v[2].y) + 0.5f;
    return left <= 0.0f && top <= 0.0f && right >= 640.0f && bottom >= 480.0f;
}

bool AllTexelsOpaque(const SDL_Surface* surface) {
    // ARGB8888: alpha in the top byte.
    for (int y = 0; y < surface->h; ++y) {
        const auto* row = reinterpret_cast<const Uint32*>(
            static_cast<const Uint8*>(surface->pixels) + static_cast<size_t>(y) * surface->pitch);
        for (int x = 0; x < surface->w; ++x) {
            if ((row[x] >> 24) != 0xFFu) {
                return false;
            }
        }
    }
    return true;
}

unsigned NextPowerOfTwo(unsigned v) {
    unsigned p = 1;
    while (p < v) {
        p <<= 1;
    }
    return p;
}

void LogSdlFailure(const char* call) {
    Log("%s failed: %s\n", call, SDL_GetError());
    std::fprintf(stderr, "%s failed: %s\n", call, SDL_GetError());
}

// The picture drawn for images that failed to load: magenta and black
// 8-pixel checks. Null (after logging) when the renderer refuses it.
SDL_Texture* CreatePlaceholder(SDL_Renderer* renderer) {
    const int size = 256;
    std::vector<Uint32> pixels(static_cast<size_t>(size) * size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const bool magenta = ((x / 8) + (y / 8)) % 2 == 0;
            pixels[static_cast<size_t>(y) * size + x] = magenta ? 0xFFFF00FFu : 0xFF000000u;
        }
    }
    SDL_Texture* placeholder =
        SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, size, size);
    if (!placeholder) {
        LogSdlFailure("SDL_CreateTexture (placeholder)");
        return nullptr;
    }
    if (SDL_UpdateTexture(placeholder, nullptr, pixels.data(), size * 4) != 0) {
        LogSdlFailure("SDL_UpdateTexture (placeholder)");
    }
    if (SDL_SetTextureScaleMode(placeholder, SDL_ScaleModeNearest) != 0) {
        LogSdlFailure("SDL_SetTextureScaleMode (placeholder)");
    }
    return placeholder;
}

} // namespace

struct SdlGraphicsState {
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_BlendMode blends[5] = {};
    SDL_Texture* placeholder = nullptr;
    // A window of any other size than 640 x 480 gets the frame drawn into
    // this 640 x 480 picture first, which is then scaled onto the window
    // whole. Scaling every draw instead filtered each tile against its
    // neighbours in the sheet and lined the tile grid with faint seams.
    SDL_Texture* frame = nullptr;
    bool frameFailed = false; // could not be made: draw onto the window
    bool drawingToFrame = false;
    bool lost = false;
    // The frame is drawn exactly 640 x 480 (to a 640 x 480 output, or into
    // the frame picture): no scaling, no letterbox bars.
    bool unscaled = false;
    // The frame has not been cleared yet: a first draw that covers the screen
    // opaquely makes the clear unnecessary.
    bool clearPending = false;
    bool shortcuts = true;
    // The last draw when it overwrote its pixels without blending: the same
    // draw again writes the same values and can be left out.
    const BackendTexture* lastOpaqueTexture = nullptr;
    QuadVertex lastOpaque[4] = {};
};

namespace {
bool SameQuad(const QuadVertex a[4], const QuadVertex b[4]) {
    for (int i = 0; i < 4; ++i) {
        if (a[i].x != b[i].x || a[i].y != b[i].y || a[i].u != b[i].u || a[i].v != b[i].v) {
            return false;
        }
    }
    return true;
}
} // namespace

std::unique_ptr<SdlGraphicsBackend> SdlGraphicsBackend::Create(platform::Window* window, bool vsync,
                                                               std::string* error) {
    if (!window || !window->Exists()) {
        *error = "no window";
        return nullptr;
    }
    std::unique_ptr<SdlGraphicsBackend> backend(new SdlGraphicsBackend());
    backend->state_ = std::make_unique<SdlGraphicsState>();
    SdlGraphicsState& s = *backend->state_;
    s.window = window->Impl()->window;

    if (!SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear")) {
        LogSdlFailure("SDL_SetHint (linear filtering)");
    }
    if (!SDL_GetHint(SDL_HINT_RENDER_DRIVER) && !SDL_SetHint(SDL_HINT_RENDER_DRIVER, "opengl")) {
        LogSdlFailure("SDL_SetHint (OpenGL renderer)");
    }
    // Naming the driver turns SDL's batching of draws off; the back end only
    // talks to the renderer through SDL, so batching is safe and much faster.
    if (!SDL_SetHint(SDL_HINT_RENDER_BATCHING, "1")) {
        LogSdlFailure("SDL_SetHint (batching)");
    }
    Uint32 flags = SDL_RENDERER_ACCELERATED | SDL_RENDERER_TARGETTEXTURE;
    if (vsync) {
        flags |= SDL_RENDERER_PRESENTVSYNC;
    }
    s.renderer = SDL_CreateRenderer(s.window, -1, flags);
    if (!s.renderer) {
        LogSdlFailure("SDL_CreateRenderer (accelerated)");
        s.renderer = SDL_CreateRenderer(s.window, -1, SDL_RENDERER_SOFTWARE);
    }
    if (!s.renderer) {
        *error = SDL_GetError();
        return nullptr;
    }
    if (SDL_RenderSetLogicalSize(s.renderer, 640, 480) != 0) {
        LogSdlFailure("SDL_RenderSetLogicalSize");
    }

    // 0 and 1: ordinary alpha blending; 2: additive; 3: darken by the
    // sprite's alpha; 4: premultiplied colour.
    const SDL_BlendMode alpha = SDL_ComposeCustomBlendMode(
        SDL_BLENDFACTOR_SRC_ALPHA, SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA, SDL_BLENDOPERATION_ADD,
        SDL_BLENDFACTOR_ONE, SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA, SDL_BLENDOPERATION_ADD);
    s.blends[0] = alpha;
    s.blends[1] = alpha;
    s.blends[2] = SDL_ComposeCustomBlendMode(SDL_BLENDFACTOR_SRC_ALPHA, SDL_BLENDFACTOR_ONE,
                                             SDL_BLENDOPERATION_ADD, SDL_BLENDFACTOR_ZERO,
                                             SDL_BLENDFACTOR_ONE, SDL_BLENDOPERATION_ADD);
    s.blends[3] = SDL_ComposeCustomBlendMode(
        SDL_BLENDFACTOR_ZERO, SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA, SDL_BLENDOPERATION_ADD,
        SDL_BLENDFACTOR_ZERO, SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA, SDL_BLENDOPERATION_ADD);
    s.blends[4] = SDL_ComposeCustomBlendMode(
        SDL_BLENDFACTOR_ONE, SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA, SDL_BLENDOPERATION_ADD,
        SDL_BLENDFACTOR_ONE, SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA, SDL_BLENDOPERATION_ADD);

    s.placeholder = CreatePlaceholder(s.renderer);
    return backend;
}

SdlGraphicsBackend::~SdlGraphicsBackend() {
    if (state_) {
        if (state_->placeholder) {
            SDL_DestroyTexture(state_->placeholder);
        }
        if (state_->frame) {
            SDL_DestroyTexture(state_->frame);
        }
        if (state_->renderer) {
            SDL_DestroyRenderer(state_->renderer);
        }
    }
}

std::shared_ptr<BackendTexture> SdlGraphicsBackend::LoadTexture(const std::string& file,
                                                                bool powerOfTwo, ImageInfo* info,
                                                                std::string* error) {
    // The file is read and checked by us first, so the decoder never sees a
    // picture that would make it allocate gigabytes or read past the end.
    std::vector<std::uint8_t> bytes;
    TgaFacts facts;
    *error = ReadPictureFile(vrels::DataPath(file), &bytes, &facts);
    if (!error->empty()) {
        return nullptr;
    }
    SDL_RWops* source = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    if (!source) {
        *error = SDL_GetError();
        return nullptr;
    }
    // TGA has no signature, so the decoder is told the kind.
    SDL_Surface* loaded =
        HasTgaExtension(file) ? IMG_LoadTyped_RW(source, 1, "TGA") : IMG_Load_RW(source, 1);
    if (!loaded) {
        *error = IMG_GetError();
        return nullptr;
    }
    const bool hasAlpha = loaded->format->Amask != 0;
    const unsigned imageWidth = static_cast<unsigned>(loaded->w);
    const unsigned imageHeight = static_cast<unsigned>(loaded->h);
    SDL_Surface* converted = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(loaded);
    if (!converted) {
        *error = SDL_GetError();
        return nullptr;
    }
    SDL_Surface* upload = converted;
    if (powerOfTwo) {
        const int pw = static_cast<int>(NextPowerOfTwo(imageWidth));
        const int ph = static_cast<int>(NextPowerOfTwo(imageHeight));
        if (pw != converted->w || ph != converted->h) {
            SDL_Surface* padded =
                SDL_CreateRGBSurfaceWithFormat(0, pw, ph, 32, SDL_PIXELFORMAT_ARGB8888);
            // The padding stays transparent; the image is copied as it is.
            if (padded && SDL_FillRect(padded, nullptr, 0) == 0 &&
                SDL_SetSurfaceBlendMode(converted, SDL_BLENDMODE_NONE) == 0 &&
                SDL_BlitSurface(converted, nullptr, padded, nullptr) == 0) {
                upload = padded;
            } else if (padded) {
                LogSdlFailure("Padding to a power of two");
                SDL_FreeSurface(padded);
            } else {
                LogSdlFailure("SDL_CreateRGBSurfaceWithFormat");
            }
        }
    }
    const bool opaque = AllTexelsOpaque(upload);
    SDL_Texture* texture = SDL_CreateTextureFromSurface(state_->renderer, upload);
    SDL_Texture* nearest =
        texture ? SDL_CreateTextureFromSurface(state_->renderer, upload) : nullptr;
    const int tw = upload->w;
    const int th = upload->h;
    if (upload != converted) {
        SDL_FreeSurface(upload);
    }
    SDL_FreeSurface(converted);
    if (!texture) {
        *error = SDL_GetError();
        return nullptr;
    }
    if (SDL_SetTextureScaleMode(texture, SDL_ScaleModeLinear) != 0) {
        LogSdlFailure("SDL_SetTextureScaleMode");
    }
    if (!nearest) {
        LogSdlFailure("SDL_CreateTextureFromSurface (nearest)");
    } else if (SDL_SetTextureScaleMode(nearest, SDL_ScaleModeNearest) != 0) {
        LogSdlFailure("SDL_SetTextureScaleMode (nearest)");
        SDL_DestroyTexture(nearest);
        nearest = nullptr;
    }
    info->width = imageWidth;
    info->height = imageHeight;
    info->depth = 1;
    info->mipLevels = 1;
    info->hasAlpha = hasAlpha;
    return std::make_shared<SdlTexture>(texture, nearest, tw, th, imageWidth, imageHeight, opaque);
}

bool SdlGraphicsBackend::DrawIntoFrame() {
    SdlGraphicsState& s = *state_;
    if (!s.frame && !s.frameFailed) {
        s.frame = SDL_CreateTexture(s.renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET,
                                    640, 480);
        if (!s.frame || SDL_SetTextureBlendMode(s.frame, SDL_BLENDMODE_NONE) != 0) {
            LogSdlFailure("SDL_CreateTexture (the 640 x 480 frame)");
            if (s.frame) {
                SDL_DestroyTexture(s.frame);
                s.frame = nullptr;
            }
            s.frameFailed = true; // scale every draw instead, seams and all
        }
    }
    if (!s.frame) {
        return false;
    }
    if (SDL_SetRenderTarget(s.renderer, s.frame) != 0) {
        LogSdlFailure("SDL_SetRenderTarget (the 640 x 480 frame)");
        return false;
    }
    return true;
}

void SdlGraphicsBackend::ShowFrame() {
    SdlGraphicsState& s = *state_;
    if (!s.drawingToFrame) {
        return;
    }
    s.drawingToFrame = false;
    if (SDL_SetRenderTarget(s.renderer, nullptr) != 0) {
        LogSdlFailure("SDL_SetRenderTarget (the window)");
    }
    int w = 0;
    int h = 0;
    if (SDL_GetRendererOutputSize(s.renderer, &w, &h) != 0) {
        LogSdlFailure("SDL_GetRendererOutputSize");
    }
    // Whole multiples keep every pixel square and sharp; between them the
    // picture is filtered so that pixels do not come out in uneven widths.
    const int whole = std::min(w / 640, h / 480);
    const bool sharp = whole >= 1 && (w == 640 * whole || h == 480 * whole);
    if (SDL_SetTextureScaleMode(s.frame, sharp ? SDL_ScaleModeNearest : SDL_ScaleModeLinear) != 0) {
        LogSdlFailure("SDL_SetTextureScaleMode (the 640 x 480 frame)");
    }
    // The letterbox bars.
    if (SDL_SetRenderDrawColor(s.renderer, 0, 0, 0, 255) != 0 || SDL_RenderClear(s.renderer) != 0) {
        LogSdlFailure("SDL_RenderClear (the window)");
    }
    if (SDL_RenderCopy(s.renderer, s.frame, nullptr, nullptr) != 0) {
        LogSdlFailure("SDL_RenderCopy (the 640 x 480 frame)");
    }
}

void SdlGraphicsBackend::BeginFrame() {
    int w = 0;
    int h = 0;
    if (SDL_GetRendererOutputSize(state_->renderer, &w, &h) != 0) {
        LogSdlFailure("SDL_GetRendererOutputSize");
    }
    const bool exact = w == 640 && h == 480;
    state_->drawingToFrame = !exact && DrawIntoFrame();
    state_->unscaled = state_->shortcuts && (exact || state_->drawingToFrame);
    state_->clearPending = true;
    state_->lastOpaqueTexture = nullptr;
    if (!state_->unscaled) {
        ClearIfPending();
    }
}

void SdlGraphicsBackend::ClearIfPending() {
    if (!state_->clearPending) {
        return;
    }
    state_->clearPending = false;
    if (SDL_SetRenderDrawColor(state_->renderer, 0, 0, 0, 255) != 0) {
        LogSdlFailure("SDL_SetRenderDrawColor");
    }
    if (SDL_RenderClear(state_->renderer) != 0) {
        LogSdlFailure("SDL_RenderClear");
    }
}

bool SdlGraphicsBackend::Present() {
    ClearIfPending();
    ShowFrame();
    SDL_RenderPresent(state_->renderer);
    return !state_->lost;
}

void SdlGraphicsBackend::DrawQuad(const BackendTexture* texture, const std::string& /*textureName*/,
                                  const QuadVertex vertices[4], std::uint8_t alpha, int blend) {
    SDL_Texture* sdlTexture = state_->placeholder;
    float uScale = 1.0f;
    float vScale = 1.0f;
    if (blend < 0 || blend > 4) {
        blend = 1;
    }
    SDL_BlendMode mode = state_->blends[blend];
    if (texture) {
        const auto* t = static_cast<const SdlTexture*>(texture);
        const bool oneToOne =
            state_->unscaled && OneToOne(vertices, t->ImageWidth(), t->ImageHeight());
        sdlTexture = oneToOne ? t->Nearest() : t->Linear();
        uScale = t->UScale();
        vScale = t->VScale();
        // Full alpha over every texel: alpha blending and premultiplied
        // blending both just write the texel, so skip the blending.
        const bool overwrites =
            state_->shortcuts && t->Opaque() && alpha == 255 && blend != 2 && blend != 3;
        if (overwrites) {
            if (state_->lastOpaqueTexture == texture && SameQuad(state_->lastOpaque, vertices)) {
                return; // the backdrop drawn twice in a row, say
            }
            state_->lastOpaqueTexture = texture;
            std::copy(vertices, vertices + 4, state_->lastOpaque);
            mode = SDL_BLENDMODE_NONE;
            if (state_->clearPending && CoversScreen(vertices)) {
                state_->clearPending = false; // every pixel is written anyway
            }
        }
    }
    if (mode != SDL_BLENDMODE_NONE) {
        state_->lastOpaqueTexture = nullptr;
    }
    if (!sdlTexture) {
        return;
    }
    ClearIfPending();
    if (SDL_SetTextureBlendMode(sdlTexture, mode) != 0) {
        static bool reported = false;
        if (!reported) {
            reported = true;
            LogSdlFailure("SDL_SetTextureBlendMode");
        }
    }
    SDL_Vertex v[4];
    for (int i = 0; i < 4; ++i) {
        // The draw model puts pixel centres on integers; SDL puts them on
        // half-integers, so shift by half a pixel to light the same pixels.
        v[i].position.x = vertices[i].x + 0.5f;
        v[i].position.y = vertices[i].y + 0.5f;
        v[i].color = SDL_Color{255, 255, 255, alpha};
        // The renderer refuses coordinates outside the texture.
        v[i].tex_coord.x = std::clamp(vertices[i].u * uScale, 0.0f, 1.0f);
        v[i].tex_coord.y = std::clamp(vertices[i].v * vScale, 0.0f, 1.0f);
    }
    static const int indices[6] = {0, 1, 2, 1, 3, 2};
    if (SDL_RenderGeometry(state_->renderer, sdlTexture, v, 4, indices, 6) != 0) {
        static bool reported = false;
        if (!reported) {
            reported = true;
            LogSdlFailure("SDL_RenderGeometry");
        }
    }
}

DeviceState SdlGraphicsBackend::TestCooperativeLevel() {
    if (state_->lost) {
        return DeviceState::NotReset;
    }
    return DeviceState::Ok;
}

bool SdlGraphicsBackend::Reset() {
    // SDL re-creates its render targets itself; our textures are re-created
    // from their files by the device after this returns, and the placeholder
    // here, since a device reset loses every texture's contents.
    if (state_->placeholder) {
        SDL_DestroyTexture(state_->placeholder);
    }
    state_->placeholder = CreatePlaceholder(state_->renderer);
    if (state_->frame) {
        // Made again at the next frame that needs it.
        SDL_DestroyTexture(state_->frame);
        state_->frame = nullptr;
    }
    state_->drawingToFrame = false;
    state_->lost = false;
    return true;
}

namespace {

// The PNG encoding of a surface, empty when it fails. SDL_image reports no
// error of the file it writes (a full disk leaves an empty or cut file), so
// the picture is made in memory and saved through the checked save path.
std::string EncodePng(SDL_Surface* surface) {
    // Room for the worst case: unfiltered rows in stored deflate blocks.
    const size_t raw = static_cast<size_t>(surface->h) * (static_cast<size_t>(surface->w) * 4 + 1);
    std::string png(raw + raw / 100 + 65536, '\0');
    SDL_RWops* memory = SDL_RWFromMem(png.data(), static_cast<int>(png.size()));
    if (!memory) {
        LogSdlFailure("SDL_RWFromMem");
        return std::string();
    }
    const bool encoded = IMG_SavePNG_RW(surface, memory, 0) == 0;
    const Sint64 length = SDL_RWtell(memory);
    SDL_RWclose(memory);
    if (!encoded || length <= 0) {
        LogSdlFailure("IMG_SavePNG_RW");
        return std::string();
    }
    png.resize(static_cast<size_t>(length));
    return png;
}

} // namespace

bool SdlGraphicsBackend::CaptureFrame(const std::string& pngFile) {
    ClearIfPending();
    // A frame drawn into the frame picture is read whole, at the game's size
    // whatever the window's; otherwise the window, where its letterboxed
    // picture lies.
    const bool fromWindow = !state_->drawingToFrame;
    SDL_Rect area{0, 0, 640, 480};
    if (fromWindow) {
        int w = 0;
        int h = 0;
        if (SDL_GetRendererOutputSize(state_->renderer, &w, &h) != 0) {
            LogSdlFailure("SDL_GetRendererOutputSize");
            return false;
        }
        SDL_Rect viewport;
        SDL_RenderGetViewport(state_->renderer, &viewport);
        float sx = 1;
        float sy = 1;
        SDL_RenderGetScale(state_->renderer, &sx, &sy);
        area = SDL_Rect{static_cast<int>(viewport.x * sx), static_cast<int>(viewport.y * sy),
                        static_cast<int>(viewport.w * sx), static_cast<int>(viewport.h * sy)};
        if (area.w <= 0 || area.h <= 0) {
            area = SDL_Rect{0, 0, w, h};
        }
    }
    SDL_Surface* surface =
        SDL_CreateRGBSurfaceWithFormat(0, area.w, area.h, 32, SDL_PIXELFORMAT_ARGB8888);
    if (!surface) {
        LogSdlFailure("SDL_CreateRGBSurfaceWithFormat");
        return false;
    }
    // Reading the window uses output coordinates; drop the logical scaling for it.
    if (fromWindow && (SDL_RenderSetLogicalSize(state_->renderer, 0, 0) != 0 ||
                       SDL_RenderSetScale(state_->renderer, 1, 1) != 0 ||
                       SDL_RenderSetViewport(state_->renderer, nullptr) != 0)) {
        LogSdlFailure("Resetting the renderer's scaling for a capture");
    }
    const int read =
        SDL_RenderReadPixels(state_->renderer, fromWindow ? &area : nullptr,
                             SDL_PIXELFORMAT_ARGB8888, surface->pixels, surface->pitch);
    if (fromWindow && SDL_RenderSetLogicalSize(state_->renderer, 640, 480) != 0) {
        LogSdlFailure("SDL_RenderSetLogicalSize");
    }
    std::string png;
    if (read != 0) {
        LogSdlFailure("SDL_RenderReadPixels");
    } else {
        if (!fromWindow) {
            // The frame picture keeps an alpha channel that darkening draws
            // lower; the window it is shown on has none.
            auto* row = static_cast<Uint8*>(surface->pixels);
            for (int y = 0; y < surface->h; ++y, row += surface->pitch) {
                auto* pixel = reinterpret_cast<Uint32*>(row);
                for (int x = 0; x < surface->w; ++x) {
                    pixel[x] |= 0xFF000000u;
                }
            }
        }
        png = EncodePng(surface);
    }
    SDL_FreeSurface(surface);
    // Written whole or not at all; a failure is logged with its reason.
    return !png.empty() && WriteFileSafely(pngFile, png);
}

void SdlGraphicsBackend::SetShortcuts(bool on) {
    state_->shortcuts = on;
}

void SdlGraphicsBackend::NotifyReset() {
    state_->lost = true;
}

} // namespace vrels
