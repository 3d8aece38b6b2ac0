#pragma once
// A bullet's impact on a block: an additive burst turned by a random angle.
#include "object/ViewObject.h"

class HitWall : public ViewObject {
public:
    static constexpr int Lifetime = 30;

    HitWall(float px, float py);
    void Update() override;
    void Draw() override;

    float angle;
    int counter = 0;
};
