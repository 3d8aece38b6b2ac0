#pragma once
#include "lib/InputBackend.h"

#include <memory>

namespace vrels {

struct SdlPad;

// Keyboard through SDL's key state; the pad is the first game controller,
// opened and closed as controllers come and go.
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
    std::unique_ptr<SdlPad> pad_;
};

} // namespace vrels
