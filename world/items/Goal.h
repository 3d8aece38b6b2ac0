#pragma once
// The goal: a standing mirror 192 pixels high. Placed at a cell's centre it
// stands on the cell's bottom edge. The stage is cleared when the player's aim
// point comes within 23 pixels of the mirror's aim point; touching the picture
// elsewhere does nothing.
#include "world/items/ItemBase.h"

class Goal : public ItemBase {
public:
    static constexpr float Reach = 23.0f;
    static constexpr float StandHeight = 176.0f;

    Goal();
    void SetPosition(float nx, float ny) override;
    void Update() override;
    void Draw() override;
};
