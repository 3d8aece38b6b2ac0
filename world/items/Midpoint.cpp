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
        // A restart rebuilds the view aligned to whole cells, so record where
        // the checkpoint sits in that view: without the part-cell scroll the
        // view has now. Otherwise every restart would shift the start point by
        // that remainder.
        const float alignedX = map ? x - map->subOffsetX : x;
        const float alignedY = map ? y - map->subOffsetY : y;
        stage->RecordCheckpoint(map ? map->scrollColumn : 0, map ? map->scrollRow : 0, alignedX,
                                alignedY);
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
