#pragma once
// Counts frame steps per second and draws the count in the corner.
#include "object/ObjectBase.h"

#include <cstdint>
#include <string>

class FPSCounter : public ObjectBase {
public:
    FPSCounter();
    void Update() override;
    void Draw() override;

    int frames = 0;
    int fps = 0;
    std::uint32_t last = 0;
    std::string text = "0";
};
