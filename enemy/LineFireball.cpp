#include "enemy/LineFireball.h"

#include "enemy/EnemySprite.h"
#include "enemy/FireballBurst.h"

LineFireball::LineFireball(float angle, bool facingLeft)
    : LineShot(angle, Speed, facingLeft), spin(facingLeft ? 1.57f : -1.57f) {}

void LineFireball::Act() {
    spin += facing ? -Spin : Spin;
    Move();
    if (CollideY() || CollideX()) {
        StartDying();
    }
    Age();
}

void LineFireball::Draw() {
    enemy::DrawFrame("Fireball", enemy::SideBySide(0, 32, 32), x, y, false, 1.0f, spin, 0.5f);
}

void LineFireball::Die() {
    enemy::BurstFireball(*this);
}
