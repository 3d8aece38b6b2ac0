#include "world/items/Goal.h"

#include "app/VrelsSkarovApp.h"
#include "object/ObjectManager.h"
#include "player/PlayerBase.h"
#include "world/PlayerContact.h"
#include "world/SpriteDraw.h"
#include "world/effects/GoalEffect.h"
#include "world/effects/ScoreEffect.h"

Goal::Goal() {
    aimX = -7;
    aimY = 115;
}

void Goal::SetPosition(float nx, float ny) {
    ItemBase::SetPosition(nx, ny - StandHeight);
}

void Goal::Update() {
    const PlayerBase* player = world::CurrentPlayer();
    if (!player || player->lifeState != 0 || DistanceToPlayer() >= Reach) {
        return;
    }
    VrelsSkarovApp* app = VrelsSkarovApp::Instance();
    if (!app || !app->objects) {
        return;
    }
    world::PlaySound("goal", x);
    const float aimPointX = player->x + static_cast<float>(player->aimX);
    const float aimPointY = player->y + static_cast<float>(player->aimY);
    app->objects->Add(new ScoreEffect(aimPointX, aimPointY, "Goal"));
    app->objects->Add(new GoalEffect(aimPointX, aimPointY));
    app->SendMessage("KillBoss");
    app->SendMessage("DeadBoss");
    Remove();
}

void Goal::Draw() {
    struct Layer {
        const char* texture;
        float alpha;
        int blend;
    };
    const Layer layers[] = {{"MirrorBase", 1.0f, BlendAlpha},
                            {"MirrorBlack", 0.5f, BlendAlpha},
                            {"MirrorHighlight", 1.0f, BlendAdd}};
    for (const Layer& layer : layers) {
        world::SpriteState sprite;
        sprite.rect = world::FullRect(layer.texture);
        world::DrawNamed(layer.texture, sprite, x - 80.0f, y, layer.alpha, 0.0f, layer.blend);
    }
}
