#pragma once
// A tall one-eyed blob: walks like the brain, turning at walls and ledges,
// and takes two hits.
#include "enemy/Walker.h"

class Monoeye : public Walker {
public:
    static constexpr int Points = 200;
    static constexpr float Lift = 10.0f; // placed this much above the cell's centre

    Monoeye();
    void SetPosition(float nx, float ny) override { Walker::SetPosition(nx, ny - Lift); }
    void Act() override;
    void Draw() override;
    void Die() override { DieWithPoints(Points); }

    int animation = 0;
};
