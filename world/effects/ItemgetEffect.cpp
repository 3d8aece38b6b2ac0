#include "world/effects/ItemgetEffect.h"

#include "world/SpriteDraw.h"

ItemgetEffect::ItemgetEffect(float px, float py) {
    priority = 500;
    level = 255;
    x = px;
    y = py;
}

void ItemgetEffect::Update() {
    counter += 1;
    if (counter > LastFrame) {
        Remove();
    }
}

void ItemgetEffect::Draw() {
    const int frame = counter / 3;
    world::SpriteState sprite;
    sprite.rect = TexRect{96 * frame, 0, 96 * frame + 96, 96};
    sprite.cx = 48;
    sprite.cy = 48;
    sprite.scale = 0.75f;
    world::DrawNamed("Itemget", sprite, x, y, 1.0f, 0.0f, BlendAdd);
}
