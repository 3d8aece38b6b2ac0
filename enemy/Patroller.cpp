#include "enemy/Patroller.h"

#include "app/VrelsSkarovApp.h"
#include "object/ObjectManager.h"
#include "world/Block.h"

namespace {

struct Span {
    float low;
    float high;
};

bool Overlaps(Span a, Span b) {
    return a.low < b.high && b.low < a.high;
}

// Whether a solid, awake block overlaps the area; the first found, else null.
const Block* FindBlock(Span across, Span down) {
    VrelsSkarovApp* app = VrelsSkarovApp::Instance();
    if (!app || !app->objects) {
        return nullptr;
    }
    for (const auto& object : app->objects->Objects()) {
        if (!object->IsBlock() || object->asleep) {
            continue;
        }
        const auto* b = static_cast<const Block*>(object.get());
        const Span bx{b->x + static_cast<float>(b->left), b->x + static_cast<float>(b->right)};
        const Span by{b->y + static_cast<float>(b->top), b->y + static_cast<float>(b->bottom)};
        if (Overlaps(bx, across) && Overlaps(by, down)) {
            return b;
        }
    }
    return nullptr;
}

} // namespace

void Patroller::Patrol(const Body& body, float step) {
    const float lead = facing ? x - 0.5f : x + 0.5f;
    const Span height{y + body.top, y + body.bottom};
    if (const Block* wall = FindBlock({lead - body.halfWidth, lead + body.halfWidth}, height)) {
        // Back off the wall's face and turn round.
        if (facing) {
            x = wall->x + static_cast<float>(wall->right) + body.halfWidth;
        } else {
            x = wall->x + static_cast<float>(wall->left) - body.halfWidth;
        }
        facing = !facing;
        return;
    }
    const Span below{height.low + 2.0f, height.high + 2.0f};
    if (FindBlock({lead - 1.0f, lead + 1.0f}, below)) {
        x += facing ? -step : step;
    } else {
        facing = !facing;
    }
}
