#pragma once
// The program-wide textures and sound effects, registered at start-up in this
// order. Their names are the vocabulary the rest of the game draws and plays by.
#include <cstddef>

namespace vrels {

struct StartupTexture {
    const char* name;
    const char* file;
    bool powerOfTwo;
};

struct StartupSound {
    const char* name;
    const char* file;
};

extern const StartupTexture kStartupTextures[];
extern const std::size_t kStartupTextureCount;
extern const StartupSound kStartupSounds[];
extern const std::size_t kStartupSoundCount;

} // namespace vrels
