#include "enemy/Met.h"

#include "enemy/EnemySprite.h"
#include "world/PlaceChip.h"

namespace {
const bool registered = RegisterChipCreator(
    ChipCode(32, 160), [] { return std::unique_ptr<ViewObject>(std::make_unique<Met>()); });
} // namespace

Met::Met() {
    hitPoints = 1;
    stompable = true;
    width = 32;
    height = 32;
    SetBox(-13, -13, 13, 13);
    facing = true;
}

void Met::Act() {
    Crawl(Speed);
    animation = enemy::NextAnimation(animation, 30);
}

void Met::Draw() {
    enemy::DrawFrame("Met", enemy::SideBySide(animation / 10, 32, 32), enemy::WholePixel(x),
                     enemy::WholePixel(y), facing, FlashAlpha());
}
