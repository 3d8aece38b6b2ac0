#include "enemy/Death.h"

#include "enemy/EnemySprite.h"
#include "world/PlaceChip.h"

namespace {
const bool registered = RegisterChipCreator(
    ChipCode(128, 160), [] { return std::unique_ptr<ViewObject>(std::make_unique<Death>()); });
} // namespace

Death::Death() {
    hitPoints = 4;
    stompable = true;
    width = 32;
    height = 96;
    SetBox(-16, -41, 10, 45);
    facing = true;
}

void Death::Act() {
    if (x >= -160.0f && x <= 800.0f && y >= 0.0f && y <= 480.0f) {
        Patrol({16.0f, -29.0f, 44.0f}, Step);
    }
    animation = enemy::NextAnimation(animation, 30);
}

void Death::Draw() {
    enemy::DrawFrame("Death", enemy::SideBySide(animation / 10, 64, 96), enemy::WholePixel(x),
                     enemy::WholePixel(y), facing, FlashAlpha());
}
