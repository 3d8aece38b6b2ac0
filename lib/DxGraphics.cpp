#include "lib/DxGraphics.h"

#include "app/Log.h"
#include "lib/Platform.h"
#include "lib/QuadArea.h"
#include "lib/SdlGraphicsBackend.h"
#include "resource/CTexture.h"

#include <algorithm>
#include <boost/format.hpp>
#include <cmath>
#include <cstdio>

namespace {
DxGraphics* g_current = nullptr;
Point2f g_tiledOffset;
// Missing pictures are reported in a message box once; later ones go to the
// log and standard error only, so a folder without art does not bury the
// player in dialogs.
bool g_textureFailureShown = false;

// Images that failed to load draw the placeholder with coordinates taken as if
// from an image of this size.
constexpr float PlaceholderSize = 256.0f;

std::uint8_t AlphaByte(float alpha) {
    const float scaled = alpha * 255.0f;
    if (!(scaled > 0.0f)) {
        return 0;
    }
    if (scaled >= 255.0f) {
        return 255;
    }
    return static_cast<std::uint8_t>(static_cast<int>(scaled));
}
} // namespace

struct DxGraphicsImpl {
    std::unique_ptr<vrels::GraphicsBackend> backend;
    std::unique_ptr<vrels::FrameTimer> timer;
    // Whether a stray DrawQuad / DrawSprite3D has been reported already.
    bool strayQuadReported = false;
    bool strayGlyphReported = false;
};

void ReportDeviceFailure(const char* file, int line, int result, const char* call,
                         const std::string& detail) {
    const std::string message =
        (boost::format("%s(%d) : result %d : %s\n%s") % file % line % result % call % detail).str();
    Log("%s\n", message.c_str());
    std::fprintf(stderr, "%s\n", message.c_str());
    vrels::platform::ShowMessage("error", message, vrels::platform::MessageKind::Error);
}

DxGraphics::DxGraphics() : impl(std::make_shared<DxGraphicsImpl>()) {
    g_current = this;
    impl->timer =
        std::make_unique<vrels::FrameTimer>([] { return vrels::platform::Milliseconds(); },
                                            [](int ms) { vrels::platform::SleepMilliseconds(ms); });
}

DxGraphics::~DxGraphics() {
    // Textures may outlive the device only unregistered.
    impl->backend.reset();
    textures.clear();
    if (g_current == this) {
        g_current = nullptr;
    }
}

DxGraphics* DxGraphics::Current() {
    return g_current;
}

void DxGraphics::UseBackend(std::unique_ptr<vrels::GraphicsBackend> backend) {
    impl->backend = std::move(backend);
}

vrels::GraphicsBackend* DxGraphics::Backend() {
    return impl->backend.get();
}

Point2f DxGraphics::TiledOffset() {
    return g_tiledOffset;
}
void DxGraphics::ResetTiledOffset() {
    g_tiledOffset = Point2f{};
}

void DxGraphics::Report(int line, const char* call, const std::string& detail) {
    ReportDeviceFailure("lib/DxGraphics", line, -1, call, detail);
}

void DxGraphics::ReportStrayDraw(int line, bool* reported, const std::string& file) {
    if (!*reported) {
        *reported = true;
        Report(line, "IDirect3DDevice9::DrawPrimitiveUP", file);
        return;
    }
    Log("lib/DxGraphics(%d) : IDirect3DDevice9::DrawPrimitiveUP outside a frame\n%s\n", line,
        file.c_str());
}

bool DxGraphics::Create() {
    const int refresh = focusWindow ? focusWindow->DisplayRefreshRate() : 0;
    const vrels::PacingDecision decision =
        vrels::DecidePacing(fullScreen, waitEnabled, colourBits, refresh, vsyncSetting_);
    for (const auto& line : decision.logLines) {
        Log("%s", line.c_str());
    }
    pacingMode = decision.mode;

    if (!impl->backend) {
        std::string error;
        auto backend = vrels::SdlGraphicsBackend::Create(focusWindow,
                                                         pacingMode == vrels::PacingVSync, &error);
        if (!backend) {
            Report(__LINE__, "IDirect3D9::CreateDevice", error);
            return false;
        }
        impl->backend = std::move(backend);
    }

    if (pacingMode == vrels::PacingVSync) {
        Log("\tVSYNCモード起動\n");
    } else if (pacingMode == vrels::PacingTimer) {
        Log("\tタイマーモード起動\n");
    } else {
        Log("\tNoWaiモード起動\n");
    }
    Log("\t使用可能VRAM = %dMB\n", impl->backend->AvailableTextureMemoryMB());
    ApplyDefaultStates();
    Log("\t初期化完了\n\n");
    return true;
}

void DxGraphics::ApplyDefaultStates() {
    currentBlendMode = -1;
}

void DxGraphics::BeginFrame() {
    if (impl->backend && FrameWanted()) {
        impl->backend->BeginFrame();
    }
    inScene = true;
}

void DxGraphics::EndFrame() {
    inScene = false;
    if (!impl->backend) {
        return;
    }
    if (pacingMode == vrels::PacingTimer) {
        impl->timer->Wait();
    }
    if (!FrameWanted()) {
        return;
    }
    for (const std::string& file : pendingCaptures_) {
        if (!impl->backend->CaptureFrame(file)) {
            std::fprintf(stderr, "Could not save the frame to %s\n", file.c_str());
            failedCaptures_.push_back(file);
        }
    }
    pendingCaptures_.clear();
    if (!impl->backend->Present()) {
        deviceLost = true;
        Log("D3DERR_DEVICELOSTステータス発生 DeviceLost状態に移行\n");
    }
}

std::vector<std::string> DxGraphics::TakeFailedCaptures() {
    std::vector<std::string> failed;
    failed.swap(failedCaptures_);
    return failed;
}

void DxGraphics::OnDeviceReset() {
    if (impl->backend) {
        impl->backend->NotifyReset();
    }
    if (!deviceLost) {
        deviceLost = true;
        Log("D3DERR_DEVICELOSTステータス発生 DeviceLost状態に移行\n");
    }
}

void DxGraphics::TryRestore() {
    if (!impl->backend) {
        deviceLost = false;
        return;
    }
    const vrels::DeviceState state = impl->backend->TestCooperativeLevel();
    if (state == vrels::DeviceState::Ok) {
        deviceLost = false;
        Log("TestCooperativeLevel...OK DeviceLost状態解除\n");
        return;
    }
    if (state == vrels::DeviceState::Lost) {
        return;
    }
    for (auto& entry : textures) {
        if (entry.second) {
            entry.second->impl->texture.reset();
        }
    }
    Log("IDirect3DDevice9::Reset()...");
    if (!impl->backend->Reset()) {
        Report(__LINE__, "IDirect3DDevice9::Reset", "");
        return;
    }
    Log("OK\n");
    ApplyDefaultStates();
    for (auto& entry : textures) {
        if (entry.second) {
            CreateTextureFromFile(entry.second, "on_lost");
        }
    }
    Log("オブジェクト再構築OK\n");
}

void DxGraphics::SetBlendMode(int mode) {
    if (mode == currentBlendMode) {
        return;
    }
    currentBlendMode = mode;
    if (mode >= 0 && mode <= 4) {
        deviceBlend_ = mode == 0 ? BlendAlpha : mode;
    }
}

void DxGraphics::DrawStrip(CTexture* texture, const vrels::QuadVertex v[4], float alpha,
                           const vrels::DrawFacts& facts) {
    if (!impl->backend || !FrameWanted()) {
        return;
    }
    if (countFill_) {
        ++quadsDrawn_;
        pixelsFilled_ += vrels::OnScreenArea(v);
    }
    impl->backend->DrawDescribedQuad(texture->impl->texture.get(), texture->name, v,
                                     AlphaByte(alpha), deviceBlend_, facts);
}

namespace {
void SetFactsRect(vrels::DrawFacts* facts, int left, int top, int right, int bottom) {
    facts->rect[0] = left;
    facts->rect[1] = top;
    facts->rect[2] = right;
    facts->rect[3] = bottom;
}

void ImageSize(const CTexture* texture, float* w, float* h) {
    const auto& info = texture->impl->info;
    if (info.width == 0 || info.height == 0) {
        // No image: take coordinates against a size that covers the rectangle.
        *w = std::max(PlaceholderSize, static_cast<float>(std::max(texture->right, texture->left)));
        *h = std::max(PlaceholderSize, static_cast<float>(std::max(texture->bottom, texture->top)));
        return;
    }
    *w = static_cast<float>(info.width);
    *h = static_cast<float>(info.height);
}
} // namespace

void DxGraphics::DrawSprite(CTexture* texture, float x, float y, float alpha, float angle,
                            int blend) {
    if (!texture) {
        return;
    }
    SetBlendMode(blend);
    float W = 0;
    float H = 0;
    ImageSize(texture, &W, &H);
    const float uL = static_cast<float>(texture->left) / W;
    const float uR = static_cast<float>(texture->right) / W;
    const float vT = static_cast<float>(texture->top) / H;
    const float vB = static_cast<float>(texture->bottom) / H;
    const float w = static_cast<float>(texture->right - texture->left);
    const float h = static_cast<float>(texture->bottom - texture->top);

    float xl = -texture->cx;
    float xr = w - texture->cx;
    float yt = -texture->cy;
    float yb = h - texture->cy;
    if (texture->flipH) {
        std::swap(xl, xr);
    }
    if (texture->flipV) {
        std::swap(yt, yb);
    }
    const float s = texture->scale;
    const float c = std::cos(angle);
    const float sn = std::sin(angle);
    // Scale, then rotate about the origin, as the 2-D transform matrix does:
    // row vector times [s c, s sn; -s sn, s c].
    const float m11 = s * c;
    const float m12 = s * sn;
    const float m21 = -s * sn;
    const float m22 = s * c;
    const float ox[4] = {xl, xr, xl, xr};
    const float oy[4] = {yt, yt, yb, yb};
    const float us[4] = {uL, uR, uL, uR};
    const float vs[4] = {vT, vT, vB, vB};
    vrels::QuadVertex v[4];
    for (int i = 0; i < 4; ++i) {
        const float tx = ox[i] * m11 + oy[i] * m21;
        const float ty = ox[i] * m12 + oy[i] * m22;
        v[i].x = tx + x - 0.5f;
        v[i].y = ty + y - 0.5f;
        v[i].u = us[i];
        v[i].v = vs[i];
    }
    vrels::DrawFacts facts;
    facts.kind = vrels::DrawFacts::Sprite;
    SetFactsRect(&facts, texture->left, texture->top, texture->right, texture->bottom);
    facts.x = x;
    facts.y = y;
    facts.cx = texture->cx;
    facts.cy = texture->cy;
    facts.scale = s;
    facts.angle = angle;
    facts.flipH = texture->flipH;
    facts.flipV = texture->flipV;
    DrawStrip(texture, v, alpha, facts);
}

void DxGraphics::DrawQuad(CTexture* texture, const Point2f corners[4], float alpha,
                          const TexRect* rect) {
    if (!texture) {
        return;
    }
    if (!inScene) {
        ReportStrayDraw(__LINE__, &impl->strayQuadReported, texture->file);
    }
    SetBlendMode(BlendAlpha);
    float uL = 0;
    float uR = 1;
    float vT = 0;
    float vB = 1;
    vrels::DrawFacts facts;
    facts.kind = vrels::DrawFacts::Quad;
    float W = 0;
    float H = 0;
    ImageSize(texture, &W, &H);
    SetFactsRect(&facts, 0, 0, static_cast<int>(W), static_cast<int>(H));
    if (rect) {
        SetFactsRect(&facts, rect->left, rect->top, rect->right, rect->bottom);
        uL = static_cast<float>(rect->left) / W;
        uR = static_cast<float>(rect->right) / W;
        vT = static_cast<float>(rect->top) / H;
        vB = static_cast<float>(rect->bottom) / H;
    }
    // Corners come clockwise; the strip wants top-left, top-right, bottom-left, bottom-right.
    const int order[4] = {0, 1, 3, 2};
    const float us[4] = {uL, uR, uL, uR};
    const float vs[4] = {vT, vT, vB, vB};
    vrels::QuadVertex v[4];
    for (int i = 0; i < 4; ++i) {
        v[i].x = corners[order[i]].x - 0.5f;
        v[i].y = corners[order[i]].y - 0.5f;
        v[i].u = us[i];
        v[i].v = vs[i];
    }
    DrawStrip(texture, v, alpha, facts);
}

void DxGraphics::DrawTiled(CTexture* texture, const TexRect& rect, float dx, float dy,
                           float alpha) {
    if (!texture) {
        return;
    }
    const int w = rect.right - rect.left;
    const int h = rect.bottom - rect.top;
    if (w <= 0 || h <= 0) {
        return;
    }
    texture->SetRect(rect.left, rect.top, rect.right, rect.bottom);
    texture->cx = static_cast<float>(w) / 2;
    texture->cy = static_cast<float>(h) / 2;
    for (int r = 0; r <= 480 / h + 1; ++r) {
        for (int k = 0; k <= 640 / w + 1; ++k) {
            DrawSprite(texture,
                       static_cast<float>(k * w) + g_tiledOffset.x + static_cast<float>(w) / 2,
                       static_cast<float>(r * h) + g_tiledOffset.y + static_cast<float>(h) / 2,
                       alpha, 0.0f, BlendAlpha);
        }
    }
    g_tiledOffset.x += dx;
    g_tiledOffset.y += dy;
    if (g_tiledOffset.x < -w) {
        g_tiledOffset.x += static_cast<float>(w);
    }
    if (g_tiledOffset.x > 0) {
        g_tiledOffset.x -= static_cast<float>(w);
    }
    if (g_tiledOffset.y < -h) {
        g_tiledOffset.y += static_cast<float>(h);
    }
    if (g_tiledOffset.y > 0) {
        g_tiledOffset.y -= static_cast<float>(h);
    }
}

void DxGraphics::DrawSprite3D(float x, float y, float ox, float oy, float z, float alpha,
                              float scale, float wobble, float yaw, float roll, CTexture* texture,
                              const TexRect& rect) {
    if (!texture) {
        return;
    }
    if (!inScene) {
        ReportStrayDraw(__LINE__, &impl->strayGlyphReported, texture->file);
    }
    SetBlendMode(BlendAlpha);
    float W = 0;
    float H = 0;
    ImageSize(texture, &W, &H);
    const int w = rect.right - rect.left;
    const int h = rect.bottom - rect.top;
    const float hx = static_cast<float>(w / 2) + ox;
    const float hy = static_cast<float>(h / 2) + oy;
    const float px[4] = {-hx, static_cast<float>(w) - hx, -hx, static_cast<float>(w) - hx};
    const float py[4] = {-hy, -hy, static_cast<float>(h) - hy, static_cast<float>(h) - hy};
    const float us[4] = {rect.left / W, rect.right / W, rect.left / W, rect.right / W};
    const float vs[4] = {rect.top / H, rect.top / H, rect.bottom / H, rect.bottom / H};
    const float tilt = 0.2f + wobble;
    const float cyaw = std::cos(yaw);
    const float syaw = std::sin(yaw);
    const float ct = std::cos(tilt);
    const float st = std::sin(tilt);
    const float cr = std::cos(roll);
    const float sr = std::sin(roll);
    vrels::QuadVertex v[4];
    for (int i = 0; i < 4; ++i) {
        // Yaw about the vertical axis.
        float X = px[i] * cyaw + z * syaw;
        float Y = py[i];
        float Z = -px[i] * syaw + z * cyaw;
        // The fixed tilt (plus wobble) about the horizontal axis.
        const float Y2 = Y * ct - Z * st;
        Z = Y * st + Z * ct;
        Y = Y2;
        // Roll in the screen plane.
        const float X3 = X * cr - Y * sr;
        const float Y3 = X * sr + Y * cr;
        X = X3 * scale;
        Y = Y3 * scale;
        (void)Z;
        v[i].x = x + X - 0.5f;
        v[i].y = y + Y - 0.5f;
        v[i].u = us[i];
        v[i].v = vs[i];
    }
    vrels::DrawFacts facts;
    facts.kind = vrels::DrawFacts::Sprite3D;
    SetFactsRect(&facts, rect.left, rect.top, rect.right, rect.bottom);
    facts.x = x;
    facts.y = y;
    facts.cx = ox;
    facts.cy = oy;
    facts.scale = scale;
    facts.angle = yaw;
    DrawStrip(texture, v, alpha, facts);
}

void DxGraphics::Register(CTexture* texture) {
    textures[texture->name] = texture;
}

void DxGraphics::Unregister(CTexture* texture) {
    for (auto it = textures.begin(); it != textures.end(); ++it) {
        if (it->second == texture) {
            textures.erase(it);
            return;
        }
    }
}

CTexture* DxGraphics::FindTexture(const std::string& name) {
    // Like the map lookup it replaces, an unknown name is entered empty.
    return textures[name];
}

void DxGraphics::CreateTextureFromFile(CTexture* texture, const std::string& tag) {
    if (!impl->backend) {
        return;
    }
    vrels::ImageInfo info;
    std::string error;
    auto loaded = impl->backend->LoadTexture(texture->file, texture->powerOfTwo, &info, &error);
    if (!loaded) {
        const std::string detail = texture->file + ": " + error;
        if (!g_textureFailureShown) {
            g_textureFailureShown = true;
            ReportDeviceFailure("lib/DxGraphics", __LINE__, -1, "D3DXCreateTextureFromFileEx",
                                detail);
        } else {
            Log("lib/DxGraphics(%d) : D3DXCreateTextureFromFileEx\n%s\n", __LINE__, detail.c_str());
            std::fprintf(stderr, "D3DXCreateTextureFromFileEx: %s\n", detail.c_str());
        }
        texture->impl->texture.reset();
        texture->impl->loadFailed = true;
        // Give a never-loaded texture a visible placeholder size.
        if (tag != "on_lost" && texture->right == texture->left &&
            texture->bottom == texture->top) {
            texture->SetRect(0, 0, 64, 64);
        }
        return;
    }
    texture->impl->texture = std::move(loaded);
    texture->impl->info = info;
    texture->impl->loadFailed = false;
    if (tag != "on_lost") {
        texture->SetRect(0, 0, static_cast<int>(info.width), static_cast<int>(info.height));
    }
}
