#pragma once
// The patrol of Death and Mecha: no gravity; they glide along the blocks they
// stand on and turn back at a wall or where the floor ends.
#include "enemy/EnemyBase.h"

class Patroller : public EnemyBase {
protected:
    // The body, relative to the position, that meets walls and needs a floor.
    struct Body {
        float halfWidth; // x - halfWidth .. x + halfWidth
        float top;       // y + top .. y + bottom
        float bottom;
    };
    void Patrol(const Body& body, float step);
};
