#include "world/effects/Explosion.h"

#include "app/Random.h"
#include "world/SpriteDraw.h"

float world::RandomAngle() {
    return static_cast<float>(vrels::rand() % 628) / 100.0f;
}

Explosion::Explosion(float px, float py, float s, const char* texture, float alpha, int blend)
    : scale(s), angle(world::RandomAngle()), texture_(texture), alpha_(alpha), blend_(blend) {
    priority = 500;
    level = 255;
    x = px;
    y = py;
}

void Explosion::Update() {
    counter += 1;
    if (counter > LastFrame) {
        Remove();
    }
}

void Explosion::Draw() {
    const int frame = counter / 4;
    const int left = 96 * (frame % 8);
    const int top = 96 * (counter / 32);
    world::SpriteState sprite;
    sprite.rect = TexRect{left, top, left + 96, top + 96};
    sprite.cx = 48;
    sprite.cy = 48;
    sprite.scale = scale;
    world::DrawNamed(texture_, sprite, x, y, alpha_, angle, blend_);
}

Blood::Blood(float px, float py, float s) : Explosion(px, py, s, "Blood", 0.8f, BlendAlpha) {}

Bomb::Bomb(float px, float py, float s) : Explosion(px, py, s, "Bomb", 1.0f, BlendAdd) {}
