#include "world/effects/Dust.h"

#include "world/SpriteDraw.h"

Dust::Dust(bool facingLeft, float px, float py) {
    priority = 500;
    level = 255;
    facing = facingLeft;
    x = facingLeft ? px + 5.0f : px - 5.0f;
    y = py + 5.0f;
    vx = facingLeft ? 0.5f : -0.5f;
    vy = -1.0f;
}

void Dust::Update() {
    x += vx;
    y += vy;
    counter += 1;
    if (counter > LastFrame) {
        Remove();
    }
}

void Dust::Draw() {
    const int left = 32 * (counter / 2);
    world::SpriteState sprite;
    sprite.rect = TexRect{left, 0, left + 32, 32};
    sprite.cx = 16;
    sprite.cy = 16;
    sprite.flipH = facing;
    world::DrawNamed("Dust", sprite, x, y, 1.0f, 0.0f, BlendAdd);
}
