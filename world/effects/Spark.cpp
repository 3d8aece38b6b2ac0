#include "world/effects/Spark.h"

#include "world/SpriteDraw.h"

#include <algorithm>
#include <cmath>

Spark::Spark(float px, float py, float velocityX, float velocityY)
    : x(px), y(py), vx(velocityX), vy(velocityY) {
    priority = 500;
    level = 255;
}

std::unique_ptr<Spark> Spark::Directed(float px, float py, float angle, float speed) {
    return std::make_unique<Spark>(px, py, std::cos(angle) * speed, std::sin(angle) * speed);
}

void Spark::Update() {
    x += vx;
    y += vy;
    scale = std::max(scale - 0.009f, 0.0f);
    if (scale <= 0.25f) {
        Remove();
    }
}

void Spark::Draw() {
    world::SpriteState sprite;
    sprite.rect = TexRect{0, 64, 4, 68};
    sprite.cx = 2;
    sprite.cy = 2;
    sprite.scale = scale;
    world::DrawNamed("Effect", sprite, x, y, 1.0f, 0.0f, BlendAlpha);
}
