#include "world/effects/EffectHit.h"

#include "world/SpriteDraw.h"

EffectHit::EffectHit(float px, float py) {
    priority = 500;
    level = 255;
    x = px;
    y = py;
}

void EffectHit::Update() {
    tick += 1;
    if (tick == TicksPerFrame) {
        frame += 1;
        tick = 0;
    }
    if (frame > LastFrame) {
        Remove();
    }
}

void EffectHit::Draw() {
    world::SpriteState sprite;
    sprite.rect = TexRect{32 * frame, 0, 32 * frame + 32, 32};
    sprite.cx = 16;
    sprite.cy = 16;
    world::DrawNamed("Effect", sprite, x, y, 0.75f, 0.0f, BlendAlpha);
}
