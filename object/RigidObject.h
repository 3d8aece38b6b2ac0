#pragma once
// An object with a velocity and a collision box against the solid blocks.
#include "object/TurnObject.h"

class Block;

class RigidObject : public TurnObject {
public:
    bool CollideX();
    bool CollideY();
    bool TurnAtWall();
    bool LandOnBlock();

    float vx = 0;
    float vy = 0;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

protected:
    // The first block, in object-list order, that overlaps the box placed at (px, py).
    Block* FindOverlappingBlock(float px, float py) const;
};
