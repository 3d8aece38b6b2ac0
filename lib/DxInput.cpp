#include "lib/DxInput.h"

#include "app/Log.h"
#include "lib/SdlInputBackend.h"

#include <cstring>

DxInput::DxInput() : impl(std::make_shared<DxInputImpl>()) {
    // A key held since before start-up must be released once before it counts.
    std::memset(keyLatches, 1, sizeof(keyLatches));
    std::memset(buttonLatches, 1, sizeof(buttonLatches));
}

DxInput::~DxInput() {
    impl->backend.reset();
}

void DxInput::UseBackend(std::unique_ptr<vrels::InputBackend> backend) {
    impl->backend = std::move(backend);
}

bool DxInput::Init(vrels::platform::Window*) {
    Log("DirectInput8 初期化開始\n");
    if (!impl->backend) {
        impl->backend = std::make_unique<vrels::SdlInputBackend>();
    }
    Log("\tキーボード...");
    Log(impl->backend->HasKeyboard() ? "OK\n" : "FAILED\n");
    Log("\tゲームパッド...");
    padFound = impl->backend->HasPad();
    Log(padFound ? "OK\n" : "FAILED\n");
    Log("\t初期化完了\n\n");
    return true;
}

void DxInput::Update() {
    std::memset(keyboardState, 0, sizeof(keyboardState));
    impl->pad = vrels::PadState{};
    if (!impl->backend) {
        return;
    }
    if (impl->backend->HasKeyboard() && !impl->backend->ReadKeyboard(keyboardState)) {
        std::memset(keyboardState, 0, sizeof(keyboardState));
        impl->backend->Acquire();
    }
    padFound = impl->backend->HasPad();
    if (padFound && !impl->backend->ReadPad(impl->pad)) {
        impl->pad = vrels::PadState{};
    }
}

bool DxInput::KeyDown(int key) {
    if (key < 0 || key > 255) {
        return false;
    }
    return (keyboardState[key] & 0x80) != 0;
}

bool DxInput::KeyPressed(int key) {
    if (key < 0 || key > 255) {
        return false;
    }
    if (!KeyDown(key)) {
        keyLatches[key] = 0;
        return false;
    }
    if (keyLatches[key] == 0) {
        keyLatches[key] = 1;
        return true;
    }
    return false;
}

bool DxInput::PadButtonDown(int button) {
    // Buttons outside the pad's 32 never count as pressed.
    if (button < 0 || button > 31) {
        return false;
    }
    return (impl->pad.buttons[button] & 0x80) != 0;
}

bool DxInput::PadButtonPressed(int button) {
    if (button < 0 || button > 31) {
        return false;
    }
    if (!PadButtonDown(button)) {
        buttonLatches[button] = 0;
        return false;
    }
    if (buttonLatches[button] == 0) {
        buttonLatches[button] = 1;
        return true;
    }
    return false;
}

bool DxInput::PadUp() {
    return impl->pad.y < -500;
}
bool DxInput::PadDown() {
    return impl->pad.y > 500;
}
bool DxInput::PadLeft() {
    return impl->pad.x < -500;
}
bool DxInput::PadRight() {
    return impl->pad.x > 500;
}

void DxInput::Acquire() {
    if (impl->backend) {
        impl->backend->Acquire();
    }
}

void DxInput::Unacquire() {
    if (impl->backend) {
        impl->backend->Unacquire();
    }
}
