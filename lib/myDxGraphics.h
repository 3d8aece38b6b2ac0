#pragma once
// The game's graphics device: the base defaults, then the "Graphics" settings.
#include "lib/DxGraphics.h"

#include <string>

class myDxGraphics : public DxGraphics {
public:
    explicit myDxGraphics(const std::string& settingsPath);
    int WindowScale() const { return windowScale_; }
    void SetWindowScale(int scale) { windowScale_ = scale < 1 ? 1 : scale; }
    // "Vsync" as the options show it: the pacing chosen at start-up stays for
    // the whole run, so a change only records what the next start uses.
    bool VsyncOn() const { return vsyncNextStart_; }
    void SetVsyncForNextStart(bool on) { vsyncNextStart_ = on; }

private:
    bool vsyncNextStart_ = true;
};
