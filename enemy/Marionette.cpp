#include "enemy/Marionette.h"

#include "enemy/EnemySprite.h"
#include "enemy/Projectiles.h"
#include "world/PlaceChip.h"

#include <cmath>

namespace {
const bool registered = RegisterChipCreator(
    ChipCode(288, 160), [] { return std::unique_ptr<ViewObject>(std::make_unique<Marionette>()); });
} // namespace

Marionette::Marionette() {
    hitPoints = 2;
    stompable = true;
    width = 32;
    height = 56;
    SetBox(-16, -11, 16, 30);
    facing = false;
}

void Marionette::Act() {
    if (CurrentPlayerView()) {
        const float angle = AngleToPlayer();
        x += std::cos(angle) * Speed;
        y += std::sin(angle) * Speed;
        facing = std::cos(angle) < 0.0f;
    }
    throwCounter += 1;
    if (throwCounter > VolleyStart && throwCounter % VolleyGap == 0) {
        enemy::ThrowArcKnife(*this);
    }
    if (throwCounter > CycleEnd) {
        throwCounter = 0;
    }
    animation = enemy::NextAnimation(animation, 20);
}

void Marionette::Draw() {
    enemy::DrawFrame("Marionette", enemy::SideBySide(animation / 10, 64, 96), x, y, facing,
                     FlashAlpha());
}
