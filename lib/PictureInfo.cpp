#include "lib/PictureInfo.h"

#include "app/Paths.h"
#include "lib/PictureFile.h"

#include <SDL_image.h>
#include <cstdint>
#include <vector>

namespace vrels {

std::string ReadPictureInfo(const std::string& file, ImageInfo* info) {
    std::vector<std::uint8_t> bytes;
    TgaFacts facts;
    std::string error = ReadPictureFile(DataPath(file), &bytes, &facts);
    if (!error.empty()) {
        return error;
    }
    if (HasTgaExtension(file)) {
        info->width = facts.width;
        info->height = facts.height;
        info->hasAlpha = facts.hasAlpha;
        return std::string();
    }
    SDL_RWops* source = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    if (!source) {
        return SDL_GetError();
    }
    SDL_Surface* loaded = IMG_Load_RW(source, 1);
    if (!loaded) {
        return IMG_GetError();
    }
    info->width = static_cast<unsigned>(loaded->w);
    info->height = static_cast<unsigned>(loaded->h);
    info->hasAlpha = loaded->format->Amask != 0;
    SDL_FreeSurface(loaded);
    return std::string();
}

} // namespace vrels
