#pragma once
// The checkpoint: touching it records the current view and its own screen
// position as the stage's restart point.
#include "world/items/ItemBase.h"

class Midpoint : public ItemBase {
public:
    void Update() override;
    void Draw() override;
};
