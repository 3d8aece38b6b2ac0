#pragma once
// A walking mech: patrols its floor like the reaper, slower, and takes ten
// hits.
#include "enemy/Patroller.h"

class Mecha : public Patroller {
public:
    static constexpr int Points = 400;
    static constexpr float Step = 0.4f;
    static constexpr float Lift = 21.0f; // placed this much above the cell's centre

    Mecha();
    void SetPosition(float nx, float ny) override { Patroller::SetPosition(nx, ny - Lift); }
    void Act() override;
    void Draw() override;
    void Die() override { DieWithPoints(Points); }

    int animation = 0;
};
