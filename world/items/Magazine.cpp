#include "world/items/Magazine.h"

#include "player/PlayerBase.h"
#include "world/PlayerContact.h"
#include "world/SpriteDraw.h"

#include <algorithm>
#include <cmath>

void Magazine::SetPosition(float nx, float ny) {
    baseY = ny;
    ItemBase::SetPosition(nx, ny);
}

void Magazine::Shift(float dx, float dy) {
    baseY += dy;
    ItemBase::Shift(dx, dy);
}

void Magazine::Update() {
    angle += 0.04f;
    bobPhase += 0.04f;
    y = std::sin(bobPhase) * 10.0f + baseY;
    if (Touched(16)) {
        // The player's gun takes it (at most 99) and the record keeps the count.
        if (PlayerBase* player = world::CurrentPlayer()) {
            player->AddMagazine();
        }
        ShowPickup("Item", "magazine");
    }
}

void Magazine::Draw() {
    world::SpriteState sprite;
    sprite.rect = TexRect{0, 0, 64, 64};
    sprite.cx = 32;
    sprite.cy = 32;
    sprite.scale = 0.5f;
    world::DrawNamed("Magazine", sprite, x, y, alpha, angle, BlendAlpha);
}

void MagazineTimeout::Update() {
    age += 1;
    if (age > Patience) {
        alpha = std::max(alpha - 0.02f, 0.0f);
        if (alpha <= 0.0f) {
            Remove();
        }
    }
    Magazine::Update();
}
