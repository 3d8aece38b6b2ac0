#pragma once
// Keyboard and pad, read once a frame: levels and first-frame presses.
#include "lib/InputBackend.h"

#include <cstdint>
#include <memory>

namespace vrels::platform {
class Window;
}

struct DxInputImpl {
    std::unique_ptr<vrels::InputBackend> backend;
    vrels::PadState pad;
};

class DxInput {
public:
    DxInput();
    virtual ~DxInput();
    DxInput(const DxInput&) = delete;
    DxInput& operator=(const DxInput&) = delete;

    // Uses the given device source instead of SDL (headless runs, tests).
    void UseBackend(std::unique_ptr<vrels::InputBackend> backend);
    vrels::InputBackend* Backend() { return impl->backend.get(); }

    virtual bool Init(vrels::platform::Window* window);
    virtual void Update();
    virtual bool KeyDown(int key);
    virtual bool KeyPressed(int key);
    virtual bool PadButtonDown(int button);
    virtual bool PadButtonPressed(int button);
    virtual bool PadUp();
    virtual bool PadDown();
    virtual bool PadLeft();
    virtual bool PadRight();
    virtual void Acquire();
    virtual void Unacquire();

    std::uint8_t keyboardState[256] = {};
    std::uint8_t keyLatches[256];
    std::uint8_t buttonLatches[32];
    bool padFound = false;
    std::shared_ptr<DxInputImpl> impl;
};
