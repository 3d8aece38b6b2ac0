#include "world/BreakBlockEffect.h"

#include "world/SpriteDraw.h"

#include <algorithm>
#include <cmath>

BreakBlockEffect::BreakBlockEffect(int offsetX, int offsetY, float blockX, float blockY, int wait)
    : pieceX(offsetX), pieceY(offsetY), delay(wait) {
    priority = 1000;
    level = 255;
    x = blockX + static_cast<float>(offsetX);
    y = blockY + static_cast<float>(offsetY);
}

void BreakBlockEffect::Update() {
    delay -= 1;
    if (delay > 0) {
        return;
    }
    fallSpeed += 0.06f;
    y += fallSpeed;
    life = std::max(life - 0.01f, 0.0f);
    if (life <= 0.0f) {
        Remove();
    }
}

void BreakBlockEffect::Draw() {
    world::DrawChip(TexRect{160 + pieceX, 32 + pieceY, 168 + pieceX, 40 + pieceY}, std::trunc(x),
                    std::trunc(y));
}
