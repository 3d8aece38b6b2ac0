#pragma once
// The graphics device: chooses the presentation and pacing at start-up,
// begins and presents frames, survives a lost device, loads textures and draws
// every sprite as one textured quad in 640 x 480 screen pixels.
#include "lib/GraphicsBackend.h"
#include "lib/Pacing.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class CTexture;

namespace vrels::platform {
class Window;
}

enum BlendMode {
    BlendAlpha = 1,
    BlendAdd = 2,
    BlendErase = 3,
    BlendPremultiplied = 4,
};

struct TexRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct Point2f {
    float x = 0;
    float y = 0;
};

struct DxGraphicsImpl;

class DxGraphics {
public:
    DxGraphics();
    virtual ~DxGraphics();
    DxGraphics(const DxGraphics&) = delete;
    DxGraphics& operator=(const DxGraphics&) = delete;

    static DxGraphics* Current();

    void SetFocusWindow(vrels::platform::Window* window) { focusWindow = window; }
    // Uses the given back end instead of creating the SDL renderer (tests and
    // headless recording).
    void UseBackend(std::unique_ptr<vrels::GraphicsBackend> backend);

    bool Create();
    void ApplyDefaultStates();
    void BeginFrame();
    void EndFrame();
    // Runs one step of the lost-device recovery.
    void TryRestore();
    // Called when the platform reports that render targets or the device were reset.
    void OnDeviceReset();

    void SetBlendMode(int mode);
    void DrawSprite(CTexture* texture, float x, float y, float alpha, float angle, int blend);
    // corners: top-left, top-right, bottom-right, bottom-left.
    void DrawQuad(CTexture* texture, const Point2f corners[4], float alpha,
                  const TexRect* rect = nullptr);
    void DrawTiled(CTexture* texture, const TexRect& rect, float dx, float dy, float alpha);
    void DrawSprite3D(float x, float y, float ox, float oy, float z, float alpha, float scale,
                      float wobble, float yaw, float roll, CTexture* texture, const TexRect& rect);

    void Register(CTexture* texture);
    void Unregister(CTexture* texture);
    // Returns the texture registered under name, or null.
    CTexture* FindTexture(const std::string& name);
    void CreateTextureFromFile(CTexture* texture, const std::string& tag);

    // Saves the next presented frame as PNG. Requests made while no frame is
    // presented (a step whose draw half is skipped) wait for the next one.
    void RequestCapture(const std::string& pngFile) { pendingCaptures_.push_back(pngFile); }
    // Captures still waiting for a presented frame.
    const std::vector<std::string>& PendingCaptures() const { return pendingCaptures_; }
    // Files that could not be written since the last call; empties the list.
    std::vector<std::string> TakeFailedCaptures();
    // With true, only frames that are to be saved reach the back end; every
    // other frame is still built by the scenes but costs the renderer nothing.
    void SetDrawOnlyCapturedFrames(bool on) { drawOnlyCaptures_ = on; }
    vrels::GraphicsBackend* Backend();

    // The shared scroll offset of DrawTiled.
    static Point2f TiledOffset();
    static void ResetTiledOffset();

    // Counts the quads handed to the back end from now on, and the screen
    // area they cover in pixels (overlaps counted each time): what the frames
    // cost to fill. Off by default; benchmark runs turn it on.
    void CountFill(bool on) { countFill_ = on; }
    long long QuadsDrawn() const { return quadsDrawn_; }
    double PixelsFilled() const { return pixelsFilled_; }

    // Fields, in declaration order.
    int currentBlendMode = -1;
    int colourBits = 32;
    int refreshRate = 60;
    bool fullScreen = true;
    int waitEnabled = 1;
    int pacingMode = vrels::PacingTimer;
    bool tripleBuffering = true;
    bool inScene = false;
    int width = 640;
    int height = 480;
    std::map<std::string, CTexture*> textures;
    vrels::platform::Window* focusWindow = nullptr;
    bool deviceLost = false;
    std::shared_ptr<DxGraphicsImpl> impl;

protected:
    // "Vsync" setting text, read by the game's own subclass.
    std::string vsyncSetting_ = "1";
    int windowScale_ = 1;

private:
    void Report(int line, const char* call, const std::string& detail);
    // A draw outside a frame repeats every frame: the first of each kind is
    // reported with a message box, later ones only go to the log.
    void ReportStrayDraw(int line, bool* reported, const std::string& file);
    void DrawStrip(CTexture* texture, const vrels::QuadVertex v[4], float alpha,
                   const vrels::DrawFacts& facts);
    bool FrameWanted() const { return !drawOnlyCaptures_ || !pendingCaptures_.empty(); }
    std::vector<std::string> pendingCaptures_;
    std::vector<std::string> failedCaptures_;
    bool drawOnlyCaptures_ = false;
    bool countFill_ = false;
    long long quadsDrawn_ = 0;
    double pixelsFilled_ = 0;
    int deviceBlend_ = BlendAlpha;
};

// Reports a failed device call: source path, line, result and call name, in
// the log, on standard error and (unless headless) in a message box.
void ReportDeviceFailure(const char* file, int line, int result, const char* call,
                         const std::string& detail);
