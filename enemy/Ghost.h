#pragma once
// A ghost: drifts straight at the heroine, one pixel a frame, through walls.
#include "enemy/EnemyBase.h"

class Ghost : public EnemyBase {
public:
    static constexpr int Points = 200;

    Ghost();
    void Act() override;
    void Draw() override;
    void Die() override { DieWithPoints(Points); }

    int animation = 0;
};
