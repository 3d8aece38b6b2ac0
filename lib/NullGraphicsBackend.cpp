#include "lib/NullGraphicsBackend.h"

#include "lib/PictureInfo.h"

namespace vrels {

namespace {
class NullTexture : public BackendTexture {};
} // namespace

std::shared_ptr<BackendTexture> NullGraphicsBackend::LoadTexture(const std::string& file, bool,
                                                                 ImageInfo* info,
                                                                 std::string* error) {
    // The game's pictures are TGA files: their checked header holds all we
    // need, which spares decoding every picture of a scene only to throw the
    // pixels away. A picture the check refuses is refused here too.
    *error = ReadPictureInfo(file, info);
    if (!error->empty()) {
        return nullptr;
    }
    return std::make_shared<NullTexture>();
}

} // namespace vrels
