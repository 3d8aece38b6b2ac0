#include "enemy/ArcFireball.h"

#include "enemy/EnemySprite.h"
#include "enemy/FireballBurst.h"

ArcFireball::ArcFireball(bool facingLeft) : spin(facingLeft ? 1.57f : -1.57f) {
    priority = 999;
    alwaysActive = true;
    width = 32;
    height = 32;
    SetBox(-8, -8, 8, 8);
    facing = facingLeft;
    vx = facingLeft ? -ThrowVx : ThrowVx;
    vy = ThrowVy;
}

void ArcFireball::Act() {
    spin += facing ? -Spin : Spin;
    vy += Gravity;
    x += vx;
    y += vy;
    if (CollideY() || CollideX()) {
        StartDying();
    }
    if (y > Bottom) {
        Remove();
    }
}

void ArcFireball::Draw() {
    enemy::DrawFrame("Fireball", enemy::SideBySide(0, 32, 32), x, y, false, 1.0f, spin, 0.5f);
}

void ArcFireball::Die() {
    enemy::BurstFireball(*this);
}
