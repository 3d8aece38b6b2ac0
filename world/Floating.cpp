#include "world/Floating.h"

#include "player/PlayerBase.h"
#include "world/PlayerContact.h"
#include "world/SpriteDraw.h"

#include <cmath>

Floating::Floating() {
    left = -40;
    top = -4;
    right = 40;
    bottom = 4;
}

void Floating::SetPosition(float nx, float ny) {
    Block::SetPosition(nx + 16, ny + 16);
}

void Floating::Update() {
    const float step = movingLeft ? -1.0f : 1.0f;
    travel += step;
    x += step;
    if (steppedOn) {
        if (PlayerBase* player = world::CurrentPlayer()) {
            player->vx += step;
        }
    }
    steppedOn = false;
    if (movingLeft && travel < -Reach) {
        movingLeft = false;
    } else if (!movingLeft && travel > Reach) {
        movingLeft = true;
    }
}

void Floating::Draw() {
    world::SpriteState sprite;
    sprite.rect = world::FullRect("Floating");
    sprite.cx = static_cast<float>(sprite.rect.right - sprite.rect.left) * 0.5f;
    sprite.cy = static_cast<float>(sprite.rect.bottom - sprite.rect.top) * 0.5f;
    world::DrawNamed("Floating", sprite, std::trunc(x), std::trunc(y), 1.0f, 0.0f, BlendAlpha);
}
