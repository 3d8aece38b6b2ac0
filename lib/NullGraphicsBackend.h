#pragma once
// A back end that draws nothing and keeps nothing: the headless runner's
// renderer when no frame is to be saved. Textures are still "loaded" and know
// their image sizes, so everything the game reads from them is unchanged.
#include "lib/GraphicsBackend.h"

#include <string>

namespace vrels {

class NullGraphicsBackend : public GraphicsBackend {
public:
    std::shared_ptr<BackendTexture> LoadTexture(const std::string& file, bool powerOfTwo,
                                                ImageInfo* info, std::string* error) override;
    void BeginFrame() override {}
    bool Present() override { return true; }
    void DrawQuad(const BackendTexture*, const std::string&, const QuadVertex[4], std::uint8_t,
                  int) override {}
    DeviceState TestCooperativeLevel() override { return DeviceState::Ok; }
    bool Reset() override { return true; }
    bool CaptureFrame(const std::string&) override { return false; }
};

} // namespace vrels
