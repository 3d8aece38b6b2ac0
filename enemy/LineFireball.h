#pragma once
// A fireball shot straight along an angle, spinning; it bursts on blocks.
#include "enemy/LineShot.h"

class LineFireball : public LineShot {
public:
    static constexpr float Speed = 5.0f;
    static constexpr float Spin = 0.05f;

    LineFireball(float angle, bool facingLeft);

    void Act() override;
    void Draw() override;
    void Die() override;

    float spin;
};
