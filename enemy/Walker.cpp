#include "enemy/Walker.h"

void Walker::Walk(int probeHalfWidth) {
    x += vx;
    y += vy + 1.0f;
    const int boxLeft = left;
    const int boxRight = right;
    left = -probeHalfWidth;
    right = probeHalfWidth;
    const bool ground = CollideY();
    left = boxLeft;
    right = boxRight;
    if (!ground) {
        vx = -vx;
        facing = !facing;
        y -= 1.0f;
    }
    if (CollideX()) {
        vx = -vx;
        facing = !facing;
    }
}
