#include "enemy/ArcKnife.h"

#include "enemy/EnemySprite.h"

ArcKnife::ArcKnife(bool facingLeft) : spin(facingLeft ? 1.57f : -1.57f) {
    priority = 999;
    width = 32;
    height = 32;
    SetBox(-8, -8, 8, 8);
    facing = facingLeft;
    vx = facingLeft ? -ThrowVx : ThrowVx;
    vy = ThrowVy;
}

void ArcKnife::Act() {
    spin += facing ? -Spin : Spin;
    vy += Gravity;
    x += vx;
    y += vy;
    if (y > Bottom) {
        Remove();
    }
}

void ArcKnife::Draw() {
    enemy::DrawFrame("Knife", enemy::SideBySide(0, 32, 16), x, y, facing, 1.0f, spin, 0.5f);
}
