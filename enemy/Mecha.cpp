#include "enemy/Mecha.h"

#include "enemy/EnemySprite.h"
#include "world/PlaceChip.h"

namespace {
const bool registered = RegisterChipCreator(
    ChipCode(96, 160), [] { return std::unique_ptr<ViewObject>(std::make_unique<Mecha>()); });
} // namespace

Mecha::Mecha() {
    hitPoints = 10;
    stompable = true;
    width = 32;
    height = 32;
    SetBox(-26, -42, 26, 42);
    facing = true;
}

void Mecha::Act() {
    Patrol({16.0f, -16.0f, 37.0f}, Step);
    animation = enemy::NextAnimation(animation, 30);
}

void Mecha::Draw() {
    // Frames are stacked; the body sits off the frame's middle, so the pivot
    // follows the mirroring.
    enemy::Frame frame = enemy::Stacked(animation / 10, 128, 96);
    frame.cx = facing ? 96.0f : 32.0f;
    frame.cy = 48.0f;
    enemy::DrawFrame("Mecha", frame, enemy::WholePixel(x), enemy::WholePixel(y), facing,
                     FlashAlpha());
}
