#pragma once
// A renderer that draws nothing: the search runs thousands of stage frames and
// never looks at them. Textures still report their image sizes, so nothing the
// game reads from them changes.
#include "lib/GraphicsBackend.h"

namespace autoplay {

class BlindGraphics : public vrels::GraphicsBackend {
public:
    std::shared_ptr<vrels::BackendTexture> LoadTexture(const std::string& file, bool powerOfTwo,
                                                       vrels::ImageInfo* info,
                                                       std::string* error) override;
    void BeginFrame() override {}
    bool Present() override { return true; }
    void DrawQuad(const vrels::BackendTexture*, const std::string&, const vrels::QuadVertex[4],
                  std::uint8_t, int) override {}
    vrels::DeviceState TestCooperativeLevel() override { return vrels::DeviceState::Ok; }
    bool Reset() override { return true; }
    bool CaptureFrame(const std::string&) override { return false; }
};

} // namespace autoplay
