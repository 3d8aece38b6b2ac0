#include "enemy/Guruguru.h"

#include "enemy/EnemySprite.h"
#include "world/PlaceChip.h"

#include <cmath>

namespace {
const bool registered = RegisterGuruguruCreator([](int direction) {
    return std::unique_ptr<ViewObject>(std::make_unique<Guruguru>(direction));
});
} // namespace

Guruguru::Guruguru(int direction) {
    hitPoints = 1;
    stompable = false;
    width = 32;
    height = 32;
    SetBox(-2, -2, 2, 2);
    // Facing left turns the angle back: anticlockwise on screen.
    facing = direction != 0;
}

void Guruguru::SetPosition(float nx, float ny) {
    centreX = nx;
    centreY = ny;
    EnemyBase::SetPosition(nx, ny);
}

void Guruguru::Shift(float dx, float dy) {
    centreX += dx;
    centreY += dy;
    EnemyBase::Shift(dx, dy);
}

void Guruguru::Act() {
    angle += facing ? -Turn : Turn;
    x = centreX + std::cos(angle) * Radius;
    y = centreY + std::sin(angle) * Radius;
    animation = enemy::NextAnimation(animation, 30);
}

void Guruguru::Draw() {
    // Mirrored with its facing, as every sprite is: the anticlockwise one
    // (facing left) shows its flame trailing the other way.
    enemy::DrawFrame("Guruguru", enemy::SideBySide(animation / 10, 32, 32), x, y, facing, 1.0f);
}
