#pragma once
#include "lib/InputBackend.h"

#include <memory>

union SDL_Event;

namespace vrels {

struct SdlPad;

// Keyboard through SDL's key state; the pad is the first game controller,
// opened and closed as controllers come and go.
//
// The state is read once a frame, so a key tapped and let go between two
// reads would never be seen: every press that SDL reports is also latched
// here, and the next read shows it held for that one frame.
class SdlInputBackend : public InputBackend {
public:
    SdlInputBackend();
    ~SdlInputBackend() override;
    bool HasPad() const override;
    bool ReadKeyboard(std::uint8_t state[256]) override;
    bool ReadPad(PadState& pad) override;
    void PadAdded(int deviceIndex) override;
    void PadRemoved(int instanceId) override;

private:
    static int WatchPresses(void* self, SDL_Event* event);
    bool PadButtonHeld(int button) const;

    std::unique_ptr<SdlPad> pad_;
    // Presses seen since the last read, by DirectInput key number and by pad
    // button. Filled on the thread that pumps SDL's events: the main thread.
    std::uint8_t keyPresses_[256] = {};
    std::uint8_t buttonPresses_[32] = {};
    bool watching_ = false;
};

} // namespace vrels
