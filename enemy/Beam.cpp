#include "enemy/Beam.h"

#include "enemy/EnemySprite.h"

Beam::Beam(float angle, bool facingLeft) : LineShot(angle, Speed, facingLeft) {}

void Beam::Act() {
    Move();
    Age();
}

void Beam::Draw() {
    const float angle = travelAngle + (facing ? 3.14f : 0.0f);
    enemy::DrawFrame("Beam", enemy::SideBySide(0, 32, 8), x, y, facing, 1.0f, angle, 0.7f);
}
