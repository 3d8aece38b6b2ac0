#include "world/BreakBlock.h"

#include "app/VrelsSkarovApp.h"
#include "object/ObjectManager.h"
#include "world/BreakBlockEffect.h"
#include "world/SpriteDraw.h"

BreakBlock::BreakBlock() : Block(160, 32) {}

void BreakBlock::SetPosition(float nx, float ny) {
    Block::SetPosition(nx - 16, ny - 16);
}

void BreakBlock::Update() {
    if (broken) {
        counter += 1;
        if (counter > StaysSolidFrames) {
            Remove();
        }
    } else if (steppedOn) {
        Break();
    }
    steppedOn = false;
}

void BreakBlock::Break() {
    if (VrelsSkarovApp* app = VrelsSkarovApp::Instance(); app && app->objects) {
        // The pieces drop one after another from the bottom-left to the top-right.
        for (int dy = 0; dy < 32; dy += 8) {
            for (int dx = 0; dx < 32; dx += 8) {
                app->objects->Add(new BreakBlockEffect(dx, dy, x, y, 13 + dx / 2 - dy / 8));
            }
        }
    }
    broken = true;
    world::PlaySound("BlockBreak", x);
}

void BreakBlock::Draw() {
    if (broken) {
        return;
    }
    world::DrawChip(chipRect, x, y);
}
