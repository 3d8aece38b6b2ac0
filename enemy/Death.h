#pragma once
// A hooded reaper: glides along its floor, turning at walls and at the floor's
// end, while it is near the screen. Four hits, worth 1000.
#include "enemy/Patroller.h"

class Death : public Patroller {
public:
    static constexpr int Points = 1000;
    static constexpr float Step = 0.5f;
    static constexpr float Lift = 29.0f; // placed this much above the cell's centre

    Death();
    void SetPosition(float nx, float ny) override { Patroller::SetPosition(nx, ny - Lift); }
    void Act() override;
    void Draw() override;
    void Die() override { DieWithPoints(Points); }

    int animation = 0;
};
