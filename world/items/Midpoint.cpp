#include "world/items/Midpoint.h"

#include "world/SpriteDraw.h"
#include "world/StageHost.h"
#include "world/ViewMap.h"

void Midpoint::Update() {
    if (!Touched(16)) {
        return;
    }
    if (StageHost* stage = StageHost::Current()) {
        const ViewMap* map = stage->StageMap();
        stage->RecordCheckpoint(map ? map->scrollColumn : 0, map ? map->scrollRow : 0, x, y);
    }
    ShowPickup("Item", "CheckPoint");
}

void Midpoint::Draw() {
    world::SpriteState sprite;
    sprite.rect = world::FullRect("midpoint");
    sprite.cx = static_cast<float>(sprite.rect.right - sprite.rect.left) * 0.5f;
    sprite.cy = static_cast<float>(sprite.rect.bottom - sprite.rect.top) * 0.5f;
    world::DrawNamed("midpoint", sprite, x, y, 1.0f, 0.0f, BlendAlpha);
}
