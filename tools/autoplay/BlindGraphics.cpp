#include "tools/autoplay/BlindGraphics.h"

#include "lib/RecordingBackend.h"

namespace autoplay {

namespace {
class BlindTexture : public vrels::BackendTexture {};
} // namespace

std::shared_ptr<vrels::BackendTexture> BlindGraphics::LoadTexture(const std::string& file, bool,
                                                                  vrels::ImageInfo* info,
                                                                  std::string* error) {
    bool alpha = false;
    if (!vrels::ReadTgaSize(file, &info->width, &info->height, &alpha)) {
        *error = "cannot read the picture " + file;
        return nullptr;
    }
    info->hasAlpha = alpha;
    return std::make_shared<BlindTexture>();
}

} // namespace autoplay
