#pragma once
// The game's graphics device: the base defaults, then the "Graphics" settings.
#include "lib/DxGraphics.h"

#include <string>

class myDxGraphics : public DxGraphics {
public:
    explicit myDxGraphics(const std::string& settingsPath);
    int WindowScale() const { return windowScale_; }
};
