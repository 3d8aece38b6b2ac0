#include "enemy/FireBall.h"

#include "enemy/EnemySprite.h"
#include "enemy/FireballBurst.h"

FireBall::FireBall(int dir) : direction(dir) {
    hitPoints = 1;
    width = 32;
    height = 32;
    SetBox(-6, -6, 6, 6);
    facing = direction == 0;
    vx = direction == 1 ? Speed : -Speed;
}

void FireBall::Act() {
    x += vx;
    spin += direction == 1 ? Spin : -Spin;
    if (CollideY() || CollideX()) {
        StartDying();
    }
    RemoveIfOutside();
}

void FireBall::Draw() {
    enemy::DrawFrame("Fireball", enemy::SideBySide(0, 32, 32), x, y, false, 1.0f, spin, 0.5f);
}

void FireBall::Die() {
    enemy::BurstFireball(*this);
}
