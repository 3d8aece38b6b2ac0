#pragma once
// A crumbling block: when the player lands on it, it falls apart in 16 pieces
// and stays solid (but invisible) for 36 more frames before it disappears.
#include "world/Block.h"

class BreakBlock : public Block {
public:
    static constexpr int StaysSolidFrames = 35;

    BreakBlock();
    // Placed at a cell's centre, the block moves back to the cell's top-left corner.
    void SetPosition(float nx, float ny) override;
    void Update() override;
    void Draw() override;

    bool broken = false;
    int counter = 0;

private:
    void Break();
};
