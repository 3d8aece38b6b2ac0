#include "lib/RecordingBackend.h"

#include "lib/DrawListing.h"
#include "lib/PictureInfo.h"

#include <algorithm>
#include <fstream>
#include <vector>

namespace vrels {

namespace {
class RecordedTexture : public BackendTexture {};
} // namespace

void RecordingBackend::DeclareImage(const std::string& file, unsigned width, unsigned height) {
    declared_[file] = {width, height};
}

std::shared_ptr<BackendTexture> RecordingBackend::LoadTexture(const std::string& file, bool,
                                                              ImageInfo* info, std::string* error) {
    ++loads_;
    const auto it = declared_.find(file);
    if (it != declared_.end()) {
        info->width = it->second.first;
        info->height = it->second.second;
        info->hasAlpha = true;
        return std::make_shared<RecordedTexture>();
    }
    *error = ReadPictureInfo(file, info);
    if (!error->empty()) {
        return nullptr;
    }
    return std::make_shared<RecordedTexture>();
}

void RecordingBackend::DrawQuad(const BackendTexture* texture, const std::string& textureName,
                                const QuadVertex vertices[4], std::uint8_t alpha, int blend) {
    DrawRecord record;
    record.texture = textureName;
    for (int i = 0; i < 4; ++i) {
        record.vertices[i] = vertices[i];
    }
    record.alpha = alpha;
    record.blend = blend;
    record.placeholder = texture == nullptr;
    draws_.push_back(record);
}

void RecordingBackend::DrawDescribedQuad(const BackendTexture* texture,
                                         const std::string& textureName,
                                         const QuadVertex vertices[4], std::uint8_t alpha,
                                         int blend, const DrawFacts& facts) {
    DrawQuad(texture, textureName, vertices, alpha, blend);
    draws_.back().described = true;
    draws_.back().facts = facts;
}

bool RecordingBackend::CaptureFrame(const std::string& listingFile) {
    std::ofstream out(listingFile, std::ios::trunc);
    out << DrawListing(draws_, std::min(frameStart_, draws_.size()));
    out.close();
    return static_cast<bool>(out);
}

} // namespace vrels
