#pragma once
// Input for headless runs and tests: the keys held are set from outside.
#include "lib/InputBackend.h"

#include <set>

namespace vrels {

class ScriptedInputBackend : public InputBackend {
public:
    bool HasPad() const override { return padPresent; }
    bool ReadKeyboard(std::uint8_t state[256]) override;
    bool ReadPad(PadState& pad) override;

    void SetHeld(const std::set<int>& keys) { held = keys; }

    std::set<int> held; // DirectInput key numbers
    bool padPresent = false;
    PadState pad;
};

} // namespace vrels
