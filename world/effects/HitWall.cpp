#include "world/effects/HitWall.h"

#include "world/SpriteDraw.h"
#include "world/effects/Explosion.h"

HitWall::HitWall(float px, float py) : angle(world::RandomAngle()) {
    priority = 500;
    level = 255;
    x = px;
    y = py;
}

void HitWall::Update() {
    counter += 1;
    if (counter >= Lifetime) {
        Remove();
    }
}

void HitWall::Draw() {
    const int frame = counter / 2;
    const int left = 96 * (frame % 8);
    const int top = 96 * (counter / 16);
    world::SpriteState sprite;
    sprite.rect = TexRect{left, top, left + 96, top + 96};
    sprite.cx = 48;
    sprite.cy = 48;
    sprite.scale = 0.75f;
    world::DrawNamed("hit_wall", sprite, x, y, 0.8f, angle, BlendAdd);
}
