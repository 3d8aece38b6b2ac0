#include "enemy/LineKnife.h"

#include "enemy/EnemySprite.h"

LineKnife::LineKnife(float angle, bool facingLeft) : LineShot(angle, Speed, facingLeft) {}

void LineKnife::Act() {
    Move();
    Age();
}

void LineKnife::Draw() {
    // The picture points right; mirrored, it points left, so half a turn
    // less brings its point back onto the travel angle.
    const float angle = travelAngle + (facing ? 3.14f : 0.0f);
    enemy::DrawFrame("Knife", enemy::SideBySide(0, 32, 16), x, y, facing, 1.0f, angle, 1.0f);
}
