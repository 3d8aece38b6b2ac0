#pragma once
// A knife thrown in an arc, tumbling; it flies through blocks and is gone once
// it drops below the screen.
#include "enemy/ThrownShot.h"

class ArcKnife : public ThrownShot {
public:
    static constexpr float ThrowVx = 2.5f;
    static constexpr float ThrowVy = -3.0f;
    static constexpr float Gravity = 0.1f;
    static constexpr float Spin = 0.05f;
    static constexpr float Bottom = 512.0f;

    explicit ArcKnife(bool facingLeft);

    void Act() override;
    void Draw() override;

    float spin;
};
