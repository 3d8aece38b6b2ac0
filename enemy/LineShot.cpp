#include "enemy/LineShot.h"

#include <cmath>

LineShot::LineShot(float angle, float speed, bool facingLeft) : travelAngle(angle) {
    priority = 999;
    alwaysActive = true;
    width = 32;
    height = 32;
    SetBox(-4, -4, 4, 4);
    facing = facingLeft;
    vx = std::cos(angle) * speed;
    vy = std::sin(angle) * speed;
}

void LineShot::Move() {
    x += vx;
    y += vy;
}

bool LineShot::Age() {
    age += 1;
    if (age >= Lifetime) {
        Remove();
        return true;
    }
    return false;
}
