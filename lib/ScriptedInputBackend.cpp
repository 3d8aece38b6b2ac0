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
    return padPresent;
}

} // namespace vrels
