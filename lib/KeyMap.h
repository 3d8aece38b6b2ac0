#pragma once
// Mapping between SDL scancodes and DirectInput key numbers.
#include <string>

namespace vrels {
// DirectInput number for an SDL scancode, 0 when the key has none.
int DikFromScancode(int scancode);
// SDL scancode for a DirectInput number, 0 when none.
int ScancodeFromDik(int dik);
// The name a player sees for a key: "Z", "SPACE", "L SHIFT", "PAGE UP";
// "KEY 123" for a number without a key of its own.
std::string KeyDisplayName(int dik);
// The name of a pad button (0-based, the game-controller layout): "A", "B",
// "X", "Y", "BACK", "START", "LB", ...; "NONE" outside the 32 buttons.
std::string PadButtonName(int button);
} // namespace vrels
