#include "enemy/Ghost.h"

#include "enemy/EnemySprite.h"
#include "world/PlaceChip.h"

#include <cmath>

namespace {
const bool registered = RegisterChipCreator(
    ChipCode(256, 160), [] { return std::unique_ptr<ViewObject>(std::make_unique<Ghost>()); });
} // namespace

Ghost::Ghost() {
    hitPoints = 1;
    stompable = true;
    width = 38;
    height = 38;
    SetBox(-19, -19, 19, 19);
    facing = true;
}

void Ghost::Act() {
    if (CurrentPlayerView()) {
        const float angle = AngleToPlayer();
        x += std::cos(angle);
        y += std::sin(angle);
        facing = std::cos(angle) < 0.0f;
    }
    animation = enemy::NextAnimation(animation, 30);
}

void Ghost::Draw() {
    enemy::DrawFrame("Ghost", enemy::SideBySide(animation / 10, 64, 64), x, y, facing,
                     FlashAlpha());
}
