#include "enemy/Brain.h"

#include "enemy/EnemySprite.h"
#include "world/PlaceChip.h"

namespace {
const bool registered = RegisterChipCreator(
    ChipCode(0, 160), [] { return std::unique_ptr<ViewObject>(std::make_unique<Brain>()); });
} // namespace

Brain::Brain() {
    hitPoints = 1;
    stompable = true;
    width = 32;
    height = 32;
    SetBox(-13, -13, 13, 16);
    vx = -0.5f;
    facing = true;
}

void Brain::Act() {
    Walk(1);
    animation = enemy::NextAnimation(animation, 30);
}

void Brain::Draw() {
    enemy::DrawFrame("Brain", enemy::SideBySide(animation / 10, 32, 32), enemy::WholePixel(x),
                     enemy::WholePixel(y), facing, FlashAlpha());
}
