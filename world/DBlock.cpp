#include "world/DBlock.h"

#include "player/PlayerBase.h"
#include "world/PlayerContact.h"
#include "world/SpriteDraw.h"

#include <cmath>

DBlock::DBlock(const TexRect& chip) : chipRect(chip) {
    priority = 1400;
    level = 255;
}

void DBlock::Shift(float dx, float dy) {
    if (skipShift) {
        skipShift = false;
        return;
    }
    ViewObject::Shift(dx, dy);
}

void DBlock::Draw() {
    world::DrawChip(chipRect, std::trunc(x), std::trunc(y));
}

void DBlock::HurtPlayerOnContact() {
    world::IntBox playerBox;
    if (!world::PlayerBox(&playerBox)) {
        return;
    }
    if (world::Overlaps(playerBox, world::BoxAt(x, y, left, top, right, bottom))) {
        world::CurrentPlayer()->Hit();
    }
}
