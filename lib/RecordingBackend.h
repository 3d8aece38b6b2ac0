#pragma once
// A back end that draws nothing and remembers every draw, for tests and for
// runs without any renderer. Image sizes come from the picture check
// (lib/PictureInfo.h), or from sizes a test declares. A capture writes the
// frame's draws as a text listing (lib/DrawListing.h) instead of a picture.
#include "lib/GraphicsBackend.h"

#include <map>
#include <string>
#include <vector>

namespace vrels {

struct DrawRecord {
    std::string texture;
    QuadVertex vertices[4];
    std::uint8_t alpha = 0;
    int blend = 0;
    bool placeholder = false;
    // The call that made the quad; false for quads handed over bare.
    bool described = false;
    DrawFacts facts;
};

class RecordingBackend : public GraphicsBackend {
public:
    std::shared_ptr<BackendTexture> LoadTexture(const std::string& file, bool powerOfTwo,
                                                ImageInfo* info, std::string* error) override;
    void BeginFrame() override {
        ++frames_;
        frameStart_ = draws_.size();
    }
    bool Present() override { return !lost_; }
    void DrawQuad(const BackendTexture* texture, const std::string& textureName,
                  const QuadVertex vertices[4], std::uint8_t alpha, int blend) override;
    void DrawDescribedQuad(const BackendTexture* texture, const std::string& textureName,
                           const QuadVertex vertices[4], std::uint8_t alpha, int blend,
                           const DrawFacts& facts) override;
    DeviceState TestCooperativeLevel() override {
        return lost_ ? DeviceState::NotReset : DeviceState::Ok;
    }
    bool Reset() override {
        lost_ = false;
        ++resets_;
        return true;
    }
    // Writes the draws of the frame being built, one line each.
    bool CaptureFrame(const std::string& listingFile) override;
    void NotifyReset() override { lost_ = true; }

    // Declares an image size for a file name without touching the disk.
    void DeclareImage(const std::string& file, unsigned width, unsigned height);
    const std::vector<DrawRecord>& Draws() const { return draws_; }
    void ClearDraws() {
        draws_.clear();
        frameStart_ = 0;
    }
    int Frames() const { return frames_; }
    int Resets() const { return resets_; }
    int Loads() const { return loads_; }
    // Makes the next Present report a lost device.
    void LoseDevice() { lost_ = true; }

private:
    std::map<std::string, std::pair<unsigned, unsigned>> declared_;
    std::vector<DrawRecord> draws_;
    size_t frameStart_ = 0; // the first draw of the frame being built
    int frames_ = 0;
    int resets_ = 0;
    int loads_ = 0;
    bool lost_ = false;
};

} // namespace vrels
