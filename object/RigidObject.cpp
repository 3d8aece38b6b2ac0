#include "object/RigidObject.h"

#include "app/VrelsSkarovApp.h"
#include "object/ObjectManager.h"
#include "world/Block.h"

Block* RigidObject::FindOverlappingBlock(float px, float py) const {
    VrelsSkarovApp* app = VrelsSkarovApp::Instance();
    if (!app || !app->objects) {
        return nullptr;
    }
    for (const auto& object : app->objects->Objects()) {
        if (!object->IsBlock()) {
            continue;
        }
        Block* b = static_cast<Block*>(object.get());
        if (b->x + static_cast<float>(b->left) < px + static_cast<float>(right) &&
            b->x + static_cast<float>(b->right) > px + static_cast<float>(left) &&
            b->y + static_cast<float>(b->top) < py + static_cast<float>(bottom) &&
            b->y + static_cast<float>(b->bottom) > py + static_cast<float>(top)) {
            return b;
        }
    }
    return nullptr;
}

bool RigidObject::CollideX() {
    Block* b = FindOverlappingBlock(x + vx, y);
    if (!b) {
        return false;
    }
    if (vx < 0) {
        x = b->x + static_cast<float>(b->right) - static_cast<float>(left);
    } else {
        x = b->x + static_cast<float>(b->left) - static_cast<float>(right);
    }
    return true;
}

bool RigidObject::CollideY() {
    Block* b = FindOverlappingBlock(x, y + vy);
    if (!b) {
        return false;
    }
    if (vy < 0) {
        y = b->y + static_cast<float>(b->bottom) - static_cast<float>(top);
    } else {
        y = b->y + static_cast<float>(b->top) - static_cast<float>(bottom);
    }
    return true;
}

bool RigidObject::TurnAtWall() {
    Block* b = FindOverlappingBlock(x + vx, y);
    if (!b) {
        return false;
    }
    if (facing) {
        x = b->x + static_cast<float>(b->right) - static_cast<float>(left);
    } else {
        x = b->x + static_cast<float>(b->left) - static_cast<float>(right);
    }
    vx = 0;
    facing = !facing;
    return true;
}

bool RigidObject::LandOnBlock() {
    Block* b = FindOverlappingBlock(x, y + vy);
    if (!b) {
        return false;
    }
    y = b->y + static_cast<float>(b->top) - static_cast<float>(bottom);
    vy = 0;
    return true;
}
