#pragma once
// One 8 x 8 piece of a broken block: it waits its delay, then falls with
// growing speed for 100 frames.
#include "object/RigidObject.h"

class BreakBlockEffect : public RigidObject {
public:
    // Piece offset (0..24) inside the block, the block's position and the delay.
    BreakBlockEffect(int offsetX, int offsetY, float blockX, float blockY, int delay);
    void Update() override;
    void Draw() override;

    int pieceX;
    int pieceY;
    float fallSpeed = 0;
    int delay;
    float life = 1.0f;
};
