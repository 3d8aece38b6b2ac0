#pragma once
// SDL objects behind platform::Window; included by the platform layer only.
#include "lib/Platform.h"

#include <SDL.h>

namespace vrels::platform {
struct WindowImpl {
    SDL_Window* window = nullptr;
    bool fullScreen = false;
    bool closed = false;
};
} // namespace vrels::platform
