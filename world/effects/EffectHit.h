#pragma once
// A bullet's impact on an enemy: frames 0 to 4, three updates each.
#include "object/ViewObject.h"

class EffectHit : public ViewObject {
public:
    static constexpr int LastFrame = 4;
    static constexpr int TicksPerFrame = 3;

    EffectHit(float px, float py);
    void Update() override;
    void Draw() override;

    int tick = 0;
    int frame = 0;
};
