#pragma once
// The ledge-aware walk of Brain and Monoeye: step forward, probe one pixel
// below the middle of the feet, turn back at a ledge and at a wall. Walkers of
// this kind have no gravity: placed in the air they stay there.
#include "enemy/EnemyBase.h"

class Walker : public EnemyBase {
protected:
    // One step. probeHalfWidth: half the width of the strip under the
    // middle of the box that must find ground.
    void Walk(int probeHalfWidth);
};
