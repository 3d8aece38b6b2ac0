#include "world/items/ItemBase.h"

#include "app/VrelsSkarovApp.h"
#include "object/ObjectManager.h"
#include "world/PlayerContact.h"
#include "world/SpriteDraw.h"
#include "world/effects/ItemgetEffect.h"
#include "world/effects/ScoreEffect.h"

ItemBase::ItemBase() {
    priority = 1000;
    level = 255;
    width = 32;
    height = 32;
}

bool ItemBase::Touched(int reach) const {
    return world::AlivePlayerTouches(world::BoxAt(x, y, -reach, -reach, reach, reach));
}

void ItemBase::ShowPickup(const std::string& sound, const std::string& text) {
    world::PlaySound(sound, x);
    if (VrelsSkarovApp* app = VrelsSkarovApp::Instance(); app && app->objects) {
        app->objects->Add(new ItemgetEffect(x, y));
        app->objects->Add(new ScoreEffect(x, y, text));
    }
    Remove();
}
