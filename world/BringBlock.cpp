#include "world/BringBlock.h"

#include "app/VrelsSkarovApp.h"
#include "object/ObjectManager.h"
#include "player/PlayerBase.h"
#include "world/Block.h"
#include "world/PlayerContact.h"

BringBlock::BringBlock(const TexRect& chip) : chipRect(chip) {
    priority = 1000;
    level = 255;
}

void BringBlock::Update() {
    const PlayerBase* player = world::CurrentPlayer();
    if (!player) {
        return;
    }
    if (!triggered) {
        world::IntBox playerBox;
        triggered = world::PlayerBox(&playerBox) &&
                    world::Overlaps(playerBox, world::BoxAt(x, y, 0, 0, 32, 32));
    }
    if (triggered && player->x - x > CloseDistance) {
        VrelsSkarovApp* app = VrelsSkarovApp::Instance();
        if (!app || !app->objects) {
            return;
        }
        auto block = std::make_unique<Block>(chipRect);
        block->SetPosition(x, y);
        // A block's first shift is swallowed only to absorb the zero shift
        // that ends map placement. This one appears mid-stage, so it must
        // follow the very next scroll or it would sit off the grid.
        block->skipShift = false;
        app->objects->Add(block.release());
        Remove();
    }
}
