#include "world/Block.h"

#include "world/SpriteDraw.h"

#include <cmath>

TexRect ChipRect(int chipX, int chipY) {
    return TexRect{chipX, chipY, chipX + 32, chipY + 32};
}

Block::Block() {
    isBlock_ = true;
    priority = 1400;
    level = 255;
}

Block::Block(int chipX, int chipY) : Block(ChipRect(chipX, chipY)) {}

Block::Block(const TexRect& chip) : Block() {
    chipRect = chip;
}

void Block::Shift(float dx, float dy) {
    if (skipShift) {
        skipShift = false;
        return;
    }
    ViewObject::Shift(dx, dy);
}

void Block::Draw() {
    world::DrawChip(chipRect, std::trunc(x), std::trunc(y));
}
