#pragma once
// Draws through SDL_Renderer: every quad with SDL_RenderGeometry, blend modes
// composed with SDL_ComposeCustomBlendMode, 640 x 480 logical size with
// aspect-correct letterboxing. A window of another size gets each frame drawn
// at 640 x 480 first and scaled whole (sharp at whole multiples). Draws are batched; where it
// leaves the pixels unchanged, a draw samples nearest, skips blending, spares the clear or is left
// out as a repeat of the opaque draw just before it.
#include "lib/GraphicsBackend.h"

#include <memory>
#include <string>

namespace vrels {
namespace platform {
class Window;
}

struct SdlGraphicsState;

class SdlGraphicsBackend : public GraphicsBackend {
public:
    static std::unique_ptr<SdlGraphicsBackend> Create(platform::Window* window, bool vsync,
                                                      std::string* error);
    ~SdlGraphicsBackend() override;

    std::shared_ptr<BackendTexture> LoadTexture(const std::string& file, bool powerOfTwo,
                                                ImageInfo* info, std::string* error) override;
    void BeginFrame() override;
    bool Present() override;
    void DrawQuad(const BackendTexture* texture, const std::string& textureName,
                  const QuadVertex vertices[4], std::uint8_t alpha, int blend) override;
    DeviceState TestCooperativeLevel() override;
    bool Reset() override;
    bool CaptureFrame(const std::string& pngFile) override;
    void NotifyReset() override;

    // Turns the pixel-exact shortcuts (nearest sampling, unblended opaque
    // draws, the skipped clear, left-out repeats) off or on; on by default.
    // Off, every draw is filtered linearly and blended, every frame cleared.
    void SetShortcuts(bool on);

private:
    SdlGraphicsBackend() = default;
    // Clears the frame unless a draw already made the clear unnecessary.
    void ClearIfPending();
    // Points the draws at the 640 x 480 frame picture, making it first;
    // false when it cannot be had.
    bool DrawIntoFrame();
    // Scales the frame picture onto the window, after a frame drawn into it.
    void ShowFrame();
    std::unique_ptr<SdlGraphicsState> state_;
};

} // namespace vrels
