#include "enemy/BossBase.h"

#include "app/PlayerInfomation.h"
#include "app/VrelsSkarovApp.h"
#include "object/ObjectManager.h"
#include "player/PlayerBase.h"
#include "world/Effects.h"
#include "world/SpriteDraw.h"

#include <cmath>

BossBase::BossBase(long seed) : random(seed) {
    alwaysActive = true;
    facing = true;
    width = 64;
    height = 64;
}

float BossBase::DirectionFromHere() const {
    VrelsSkarovApp* app = VrelsSkarovApp::Instance();
    const PlayerBase* player = app ? app->player : nullptr;
    return player ? player->AngleFrom(x, y) : 0.0f;
}

float BossBase::DistanceToPlayerPosition() const {
    VrelsSkarovApp* app = VrelsSkarovApp::Instance();
    const PlayerBase* player = app ? app->player : nullptr;
    if (!player) {
        return 0.0f;
    }
    const float dx = player->x - x;
    const float dy = player->y - y;
    return std::sqrt(dx * dx + dy * dy);
}

void BossBase::DrawFrame(const char* texture, int frame, int frameWidth, int frameHeight,
                         float alpha) {
    world::SpriteState state;
    state.rect = {frame * frameWidth, 0, (frame + 1) * frameWidth, frameHeight};
    state.cx = static_cast<float>(frameWidth) * 0.5f;
    state.cy = static_cast<float>(frameHeight) * 0.5f;
    state.flipH = facing;
    world::DrawNamed(texture, state, x, y, alpha, 0.0f, BlendAlpha);
}

void BossBase::AwardPoints(int points) {
    VrelsSkarovApp* app = VrelsSkarovApp::Instance();
    if (app && app->playerRecord) {
        app->playerRecord->AddScore(points);
    }
    if (app && app->objects) {
        app->objects->Add(new ScoreEffect(x, y, std::to_string(points)));
    }
}

void BossBase::PlaySound(const char* name) const {
    world::PlaySound(name, x);
}

void BossBase::WindUpStep(int swoopState, float diveSpeed) {
    if (stateCounter > 30) {
        attackState = swoopState;
        FacePlayer();
        vx = facing ? -2.0f : 2.0f;
        vy = diveSpeed;
        animation = 0;
    }
}

void BossBase::SwoopStep(int hoverState, float diveSpeed) {
    x += vx;
    y += vy;
    vy -= 0.1f;
    if (vy <= -diveSpeed) {
        FacePlayer();
        stateCounter = 0;
        attackState = hoverState;
        animation = 0;
    }
}
