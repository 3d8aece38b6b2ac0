#pragma once
// A flapping hopper: bounces along under a light gravity, turning at walls.
#include "enemy/EnemyBase.h"

class PataPata : public EnemyBase {
public:
    static constexpr int Points = 300;
    static constexpr float Gravity = 0.06f;
    static constexpr float Bounce = -4.0f;

    PataPata();
    void Act() override;
    void Draw() override;
    void Die() override { DieWithPoints(Points); }

    int animation = 0;

protected:
    void DrawHopper() const;
};
