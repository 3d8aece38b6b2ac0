#pragma once
// A fireball circling a point (the centre of its block) at 64 pixels,
// clockwise for direction 0 and anticlockwise for 1. It hurts on contact and
// cannot be shot.
#include "enemy/EnemyBase.h"

class Guruguru : public EnemyBase {
public:
    static constexpr float Radius = 64.0f;
    static constexpr float Turn = 0.05f;

    explicit Guruguru(int direction);
    void SetPosition(float nx, float ny) override;
    void Shift(float dx, float dy) override;
    void Act() override;
    void Draw() override;
    bool HitTest(int, int, int, int) const override { return false; }

    float centreX = 0.0f;
    float centreY = 0.0f;
    float angle = 0.0f;
    int animation = 0;
};
