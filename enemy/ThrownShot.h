#pragma once
// A shot that is not always active (the turret's fireball, the thrown knife).
// When the view scrolls it off screen it is gone at once: asleep it would
// never run its own removal and would stay in the object list, and in every
// block scan, for the rest of the stage.
#include "enemy/EnemyBase.h"

class ThrownShot : public EnemyBase {
public:
    void Shift(float dx, float dy) override;
};
