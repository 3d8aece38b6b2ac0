#pragma once
// The puff of a jump: it drifts away behind the player and upward for 23 updates.
#include "object/RigidObject.h"

class Dust : public RigidObject {
public:
    static constexpr int LastFrame = 22;

    // facing: the jumping player's facing (true = left).
    Dust(bool facingLeft, float px, float py);
    void Update() override;
    void Draw() override;

    int counter = 0;
};
