#pragma once
// Input for headless runs and tests: the keys held are set from outside.
#include "lib/InputBackend.h"

#include <set>

namespace vrels {

// Codes above the keyboard's 256 that a held set may carry for the pad:
// button b (0-based) is kHeldPadButton + b, and the four directions follow.
constexpr int kHeldPadButton = 0x1000;
constexpr int kHeldPadUp = 0x1100;
constexpr int kHeldPadDown = 0x1101;
constexpr int kHeldPadLeft = 0x1102;
constexpr int kHeldPadRight = 0x1103;

class ScriptedInputBackend : public InputBackend {
public:
    bool HasPad() const override { return padPresent; }
    bool ReadKeyboard(std::uint8_t state[256]) override;
    bool ReadPad(PadState& pad) override;

    // Holds exactly these keys; pad codes among them press the pad's buttons
    // and directions (the pad must be present to report them).
    void SetHeld(const std::set<int>& keys) { held = keys; }

    std::set<int> held; // DirectInput key numbers
    bool padPresent = false;
    PadState pad;
};

} // namespace vrels
