#pragma once
// A walking brain: paces along the ground, turning at walls and ledges.
#include "enemy/Walker.h"

class Brain : public Walker {
public:
    static constexpr int Points = 100;

    Brain();
    void Act() override;
    void Draw() override;
    void Die() override { DieWithPoints(Points); }

    int animation = 0;
};
