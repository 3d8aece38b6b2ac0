#include "enemy/PataPata.h"

#include "enemy/EnemySprite.h"
#include "world/PlaceChip.h"

namespace {
const bool registered = RegisterChipCreator(
    ChipCode(224, 160), [] { return std::unique_ptr<ViewObject>(std::make_unique<PataPata>()); });
} // namespace

PataPata::PataPata() {
    hitPoints = 1;
    stompable = true;
    width = 40;
    height = 40;
    SetBox(-20, -20, 20, 20);
    vx = -0.5f;
    facing = true;
}

void PataPata::Act() {
    vy += Gravity;
    x += vx;
    y += vy;
    if (CollideY()) {
        // Landing bounces it up again; a ceiling only stops the rise.
        vy = vy > 0.0f ? Bounce : 0.0f;
    }
    if (CollideX()) {
        vx = -vx;
        facing = !facing;
    }
    animation = enemy::NextAnimation(animation, 30);
}

void PataPata::Draw() {
    DrawHopper();
}

void PataPata::DrawHopper() const {
    enemy::DrawFrame("PataPata", enemy::SideBySide(animation / 10, 96, 96), x, y, facing,
                     FlashAlpha());
}
