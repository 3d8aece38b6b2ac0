#pragma once
// Mapping between SDL scancodes and DirectInput key numbers.
namespace vrels {
// DirectInput number for an SDL scancode, 0 when the key has none.
int DikFromScancode(int scancode);
// SDL scancode for a DirectInput number, 0 when none.
int ScancodeFromDik(int dik);
} // namespace vrels
