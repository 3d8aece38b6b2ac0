#include "world/effects/Fadeout.h"

#include "world/SpriteDraw.h"

#include <algorithm>

Fadeout::Fadeout() {
    priority = -300;
    level = 100;
}

void Fadeout::Update() {
    alpha = std::min(alpha + 0.02f, 1.0f);
    if (alpha >= 1.0f) {
        done = true;
    }
}

void Fadeout::Draw() {
    world::SpriteState sprite;
    sprite.rect = TexRect{0, 0, 640, 480};
    world::DrawNamed("Black", sprite, 0, 0, alpha, 0, BlendAlpha);
}
