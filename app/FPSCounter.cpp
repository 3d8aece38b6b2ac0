#include "app/FPSCounter.h"

#include "lib/Platform.h"
#include "ui/StringSprite.h"

FPSCounter::FPSCounter() : last(vrels::platform::Milliseconds()) {}

void FPSCounter::Update() {
    ++frames;
    const std::uint32_t now = vrels::platform::Milliseconds();
    if (now - last < 1000u) {
        return;
    }
    last = now;
    fps = frames;
    frames = 0;
    text = std::to_string(fps);
}

void FPSCounter::Draw() {
    StringSprite(20, 1, text).Draw();
    StringSprite(70, 1, "FPS").Draw();
}
