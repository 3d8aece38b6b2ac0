#include "lib/NullGraphicsBackend.h"

#include "lib/RecordingBackend.h"

#include <SDL_image.h>

namespace vrels {

namespace {
class NullTexture : public BackendTexture {};
} // namespace

std::shared_ptr<BackendTexture> NullGraphicsBackend::LoadTexture(const std::string& file, bool,
                                                                 ImageInfo* info,
                                                                 std::string* error) {
    // The game's pictures are TGA files: their header holds all we need, which
    // spares decoding every picture of a scene only to throw the pixels away.
    bool alpha = false;
    if (ReadTgaSize(file, &info->width, &info->height, &alpha)) {
        info->hasAlpha = alpha;
        return std::make_shared<NullTexture>();
    }
    // Anything else is decoded as the drawing back end would, so a file that
    // it refuses fails here too.
    SDL_Surface* loaded = IMG_Load(file.c_str());
    if (!loaded) {
        *error = IMG_GetError();
        return nullptr;
    }
    info->width = static_cast<unsigned>(loaded->w);
    info->height = static_cast<unsigned>(loaded->h);
    info->hasAlpha = loaded->format->Amask != 0;
    SDL_FreeSurface(loaded);
    return std::make_shared<NullTexture>();
}

} // namespace vrels
