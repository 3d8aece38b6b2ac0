#include "world/effects/GoalEffect.h"

#include "world/SpriteDraw.h"

GoalEffect::GoalEffect(float px, float py) {
    priority = 500;
    level = 100;
    x = px;
    y = py;
}

void GoalEffect::Update() {
    counter += 1;
    if (counter >= Lifetime) {
        Remove();
    }
}

void GoalEffect::Draw() {
    const int frame = counter / 7;
    world::SpriteState sprite;
    sprite.rect = TexRect{0, 57 * frame, 176, 57 * frame + 57};
    sprite.cx = 88;
    sprite.cy = 28.5f;
    world::DrawNamed("GoalEffect", sprite, x, y, 0.75f, 0.0f, BlendAdd);
}
