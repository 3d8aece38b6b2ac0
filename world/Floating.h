#pragma once
// A floating platform, 80 x 8, swinging 1 pixel a frame between 101 pixels left
// and 101 pixels right of where it was placed. A player standing on it (who set
// steppedOn when landing) is carried: the platform adds its step to the
// player's vx in its own update, which runs before the player's.
#include "world/Block.h"

class Floating : public Block {
public:
    static constexpr float Reach = 100.0f;

    Floating();
    // Placed at a cell's centre, the platform centres on the cell's bottom-right corner.
    void SetPosition(float nx, float ny) override;
    void Update() override;
    void Draw() override;

    bool movingLeft = true;
    float travel = 0;
};
