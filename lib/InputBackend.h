#pragma once
// Where the input device reads keys and the pad from: SDL for play, a script
// for headless runs and tests.
#include <cstdint>

namespace vrels {

struct PadState {
    int x = 0; // -1000..1000
    int y = 0;
    std::uint8_t buttons[32] = {};
};

class InputBackend {
public:
    virtual ~InputBackend() = default;
    virtual bool HasKeyboard() const { return true; }
    virtual bool HasPad() const = 0;
    // Fills 256 bytes, bit 7 set while a key (by DirectInput number) is down.
    // False when the device was lost this frame (the frame then reads nothing).
    virtual bool ReadKeyboard(std::uint8_t state[256]) = 0;
    virtual bool ReadPad(PadState& pad) = 0;
    virtual void Acquire() {}
    virtual void Unacquire() {}
    // Hot-plug notifications from the event loop.
    virtual void PadAdded(int /*deviceIndex*/) {}
    virtual void PadRemoved(int /*instanceId*/) {}
};

} // namespace vrels
