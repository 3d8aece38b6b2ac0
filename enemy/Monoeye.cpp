#include "enemy/Monoeye.h"

#include "enemy/EnemySprite.h"
#include "world/PlaceChip.h"

namespace {
const bool registered = RegisterChipCreator(
    ChipCode(160, 160), [] { return std::unique_ptr<ViewObject>(std::make_unique<Monoeye>()); });
} // namespace

Monoeye::Monoeye() {
    hitPoints = 2;
    stompable = true;
    width = 37;
    height = 58;
    SetBox(-15, -28, 15, 28);
    vx = -0.5f;
    facing = true;
}

void Monoeye::Act() {
    Walk(1);
    animation = enemy::NextAnimation(animation, 30);
}

void Monoeye::Draw() {
    enemy::DrawFrame("Monoeye", enemy::SideBySide(animation / 10, 64, 64), enemy::WholePixel(x),
                     enemy::WholePixel(y), facing, FlashAlpha());
}
