#include "enemy/Togezo.h"

#include "enemy/EnemySprite.h"
#include "world/PlaceChip.h"

namespace {
const bool registered = RegisterChipCreator(
    ChipCode(64, 160), [] { return std::unique_ptr<ViewObject>(std::make_unique<Togezo>()); });
} // namespace

Togezo::Togezo() {
    hitPoints = 3;
    stompable = false;
    width = 32;
    height = 32;
    SetBox(-13, -20, 13, 21);
    facing = true;
}

void Togezo::Act() {
    Crawl(Speed);
    animation = enemy::NextAnimation(animation, 20);
}

void Togezo::Draw() {
    enemy::DrawFrame("Togezo", enemy::SideBySide(animation / 10, 64, 64), enemy::WholePixel(x),
                     enemy::WholePixel(y), facing, FlashAlpha());
}
