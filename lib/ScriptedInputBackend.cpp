#include "lib/ScriptedInputBackend.h"

#include <cstring>

namespace vrels {

bool ScriptedInputBackend::ReadKeyboard(std::uint8_t state[256]) {
    std::memset(state, 0, 256);
    for (int key : held) {
        if (key > 0 && key < 256) {
            state[key] = 0x80;
        }
    }
    return true;
}

bool ScriptedInputBackend::ReadPad(PadState& out) {
    out = pad;
    for (int code : held) {
        if (code >= kHeldPadButton && code < kHeldPadButton + 32) {
            out.buttons[code - kHeldPadButton] = 0x80;
        } else if (code == kHeldPadUp) {
            out.y = -1000;
        } else if (code == kHeldPadDown) {
            out.y = 1000;
        } else if (code == kHeldPadLeft) {
            out.x = -1000;
        } else if (code == kHeldPadRight) {
            out.x = 1000;
        }
    }
    return padPresent;
}

} // namespace vrels
