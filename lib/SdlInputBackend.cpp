#include "lib/SdlInputBackend.h"

#include "app/Log.h"
#include "lib/KeyCodes.h"
#include "lib/KeyMap.h"

#include <SDL.h>
#include <cstring>

namespace vrels {

struct SdlPad {
    SDL_GameController* controller = nullptr;
    SDL_JoystickID id = -1;
};

SdlInputBackend::SdlInputBackend() : pad_(std::make_unique<SdlPad>()) {
    if (SDL_WasInit(SDL_INIT_EVENTS) != 0) {
        SDL_AddEventWatch(&SdlInputBackend::WatchPresses, this);
        watching_ = true;
    }
    if (SDL_WasInit(SDL_INIT_GAMECONTROLLER) == 0) {
        return;
    }
    const int count = SDL_NumJoysticks();
    if (count < 0) {
        Log("SDL_NumJoysticks failed: %s\n", SDL_GetError());
    }
    for (int i = 0; i < count; ++i) {
        if (SDL_IsGameController(i)) {
            PadAdded(i);
            if (pad_->controller) {
                break;
            }
        }
    }
}

SdlInputBackend::~SdlInputBackend() {
    if (watching_) {
        SDL_DelEventWatch(&SdlInputBackend::WatchPresses, this);
    }
    if (pad_->controller) {
        SDL_GameControllerClose(pad_->controller);
    }
}

int SdlInputBackend::WatchPresses(void* self, SDL_Event* event) {
    auto* backend = static_cast<SdlInputBackend*>(self);
    if (event->type == SDL_KEYDOWN && event->key.repeat == 0) {
        const int dik = DikFromScancode(event->key.keysym.scancode);
        // Alt+Return toggles full screen and is never a Return of its own.
        const bool altReturn = dik == dik::RETURN && (event->key.keysym.mod & KMOD_ALT) != 0;
        if (dik > 0 && dik < 256 && !altReturn) {
            backend->keyPresses_[dik] = 0x80;
        }
    } else if (event->type == SDL_CONTROLLERBUTTONDOWN && backend->pad_->controller &&
               event->cbutton.which == backend->pad_->id && event->cbutton.button < 32) {
        backend->buttonPresses_[event->cbutton.button] = 0x80;
    }
    return 0;
}

bool SdlInputBackend::HasPad() const {
    return pad_->controller != nullptr;
}

void SdlInputBackend::PadAdded(int deviceIndex) {
    if (pad_->controller || SDL_WasInit(SDL_INIT_GAMECONTROLLER) == 0) {
        return;
    }
    SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
    if (!controller) {
        Log("SDL_GameControllerOpen failed: %s\n", SDL_GetError());
        return;
    }
    pad_->controller = controller;
    pad_->id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
}

void SdlInputBackend::PadRemoved(int instanceId) {
    if (pad_->controller && pad_->id == instanceId) {
        SDL_GameControllerClose(pad_->controller);
        pad_->controller = nullptr;
        pad_->id = -1;
    }
}

bool SdlInputBackend::ReadKeyboard(std::uint8_t state[256]) {
    std::memset(state, 0, 256);
    int count = 0;
    const Uint8* keys = SDL_GetKeyboardState(&count);
    if (!keys) {
        return false;
    }
    for (int scancode = 0; scancode < count; ++scancode) {
        if (keys[scancode]) {
            const int dik = DikFromScancode(scancode);
            if (dik > 0 && dik < 256) {
                state[dik] = 0x80;
            }
        }
    }
    // A tap already let go still counts as held for this frame.
    for (int dik = 0; dik < 256; ++dik) {
        state[dik] |= keyPresses_[dik];
    }
    std::memset(keyPresses_, 0, sizeof(keyPresses_));
    // Alt+Return toggles full screen; that Return must not also confirm a menu.
    if (state[dik::LMENU] || state[dik::RMENU]) {
        state[dik::RETURN] = 0;
    }
    return true;
}

bool SdlInputBackend::PadButtonHeld(int button) const {
    return buttonPresses_[button] != 0 ||
           SDL_GameControllerGetButton(pad_->controller,
                                       static_cast<SDL_GameControllerButton>(button)) != 0;
}

bool SdlInputBackend::ReadPad(PadState& pad) {
    pad = PadState{};
    if (!pad_->controller) {
        std::memset(buttonPresses_, 0, sizeof(buttonPresses_));
        return false;
    }
    auto scale = [](Sint16 v) { return static_cast<int>(v) * 1000 / 32768; };
    pad.x = scale(SDL_GameControllerGetAxis(pad_->controller, SDL_CONTROLLER_AXIS_LEFTX));
    pad.y = scale(SDL_GameControllerGetAxis(pad_->controller, SDL_CONTROLLER_AXIS_LEFTY));
    // The D-pad drives the same four directions as the stick.
    if (PadButtonHeld(SDL_CONTROLLER_BUTTON_DPAD_LEFT)) {
        pad.x = -1000;
    } else if (PadButtonHeld(SDL_CONTROLLER_BUTTON_DPAD_RIGHT)) {
        pad.x = 1000;
    }
    if (PadButtonHeld(SDL_CONTROLLER_BUTTON_DPAD_UP)) {
        pad.y = -1000;
    } else if (PadButtonHeld(SDL_CONTROLLER_BUTTON_DPAD_DOWN)) {
        pad.y = 1000;
    }
    for (int b = 0; b < SDL_CONTROLLER_BUTTON_MAX && b < 32; ++b) {
        if (PadButtonHeld(b)) {
            pad.buttons[b] = 0x80;
        }
    }
    std::memset(buttonPresses_, 0, sizeof(buttonPresses_));
    return true;
}

} // namespace vrels
