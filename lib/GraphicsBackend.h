#pragma once
// What the graphics device needs from a renderer. The SDL renderer draws for
// real; the recording back end keeps every draw for tests and headless checks.
#include <cstdint>
#include <memory>
#include <string>

namespace vrels {

// One corner of a quad in the engine's draw model: Direct3D-style pixel
// coordinates (pixel centres on integers), texture coordinates in 0..1 of the
// image size.
struct QuadVertex {
    float x = 0;
    float y = 0;
    float u = 0;
    float v = 0;
};

// Size and format facts of a loaded image file.
struct ImageInfo {
    unsigned width = 0;
    unsigned height = 0;
    unsigned depth = 1;
    unsigned mipLevels = 1;
    bool hasAlpha = false;
};

// A texture living in a back end. Opaque to the engine.
class BackendTexture {
public:
    virtual ~BackendTexture() = default;
};

enum class DeviceState { Ok, Lost, NotReset };

// The engine's own terms for one quad: which kind of draw made it, the source
// rectangle in pixels and, for sprites, where the centre landed, the centre
// within the rectangle, the scale, the angle and the flips. Back ends that
// keep a readable record of a frame use them; the others draw the vertices.
struct DrawFacts {
    enum Kind { Sprite, Quad, Sprite3D };
    Kind kind = Sprite;
    int rect[4] = {0, 0, 0, 0}; // left, top, right, bottom
    float x = 0;                // Sprite, Sprite3D: the screen position asked for
    float y = 0;
    float cx = 0; // Sprite: the centre; Sprite3D: the pivot offset
    float cy = 0;
    float scale = 1;
    float angle = 0; // Sprite: turn in radians; Sprite3D: yaw
    bool flipH = false;
    bool flipV = false;
};

class GraphicsBackend {
public:
    virtual ~GraphicsBackend() = default;

    // Loads an image file; null on failure (error text in *error).
    virtual std::shared_ptr<BackendTexture> LoadTexture(const std::string& file, bool powerOfTwo,
                                                        ImageInfo* info, std::string* error) = 0;
    virtual void BeginFrame() = 0;
    // Presents the frame; false when the device was lost.
    virtual bool Present() = 0;
    // Draws one quad, vertices in strip order (top-left, top-right,
    // bottom-left, bottom-right). texture is null for an image that failed to
    // load: the back end then draws its placeholder pattern.
    virtual void DrawQuad(const BackendTexture* texture, const std::string& textureName,
                          const QuadVertex vertices[4], std::uint8_t alpha, int blend) = 0;
    // The same quad with the call that made it.
    virtual void DrawDescribedQuad(const BackendTexture* texture, const std::string& textureName,
                                   const QuadVertex vertices[4], std::uint8_t alpha, int blend,
                                   const DrawFacts& facts) {
        (void)facts;
        DrawQuad(texture, textureName, vertices, alpha, blend);
    }
    virtual DeviceState TestCooperativeLevel() = 0;
    virtual bool Reset() = 0;
    // Saves the frame being built (before present) as a PNG file.
    virtual bool CaptureFrame(const std::string& pngFile) = 0;
    virtual int AvailableTextureMemoryMB() const { return 256; }
    // The platform reported that render targets or the device were reset.
    virtual void NotifyReset() {}
};

} // namespace vrels
