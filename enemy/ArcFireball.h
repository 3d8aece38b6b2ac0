#pragma once
// A fireball thrown in an arc: up and forward, then falling under a light
// gravity; bursts on blocks. It keeps flying off screen until it drops below it.
#include "enemy/EnemyBase.h"

class ArcFireball : public EnemyBase {
public:
    static constexpr float ThrowVx = 1.5f;
    static constexpr float ThrowVy = -6.0f;
    static constexpr float Gravity = 0.1f;
    static constexpr float Spin = 0.05f;
    static constexpr float Bottom = 512.0f; // removed below this y

    // Thrown forward: to the left when facingLeft.
    explicit ArcFireball(bool facingLeft);

    void Act() override;
    void Draw() override;
    void Die() override;

    float spin;
};
