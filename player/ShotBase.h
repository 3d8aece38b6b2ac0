#pragma once
// A projectile of the player: flies straight with a velocity, a damage and a
// limited lifetime.
#include "object/TurnObject.h"

class ShotBase : public TurnObject {
public:
    int damage = 1;
    float vx = 0;
    float vy = 0;
    float angle = 0; // drawing rotation
    int lifetime = 30;
};
