#include "object/ViewObject.h"

#include "app/VrelsSkarovApp.h"
#include "player/PlayerBase.h"

#include <cmath>

const ViewObject* CurrentPlayerView() {
    VrelsSkarovApp* app = VrelsSkarovApp::Instance();
    return app ? app->player : nullptr;
}

void ViewObject::TestOffScreen() {
    if (alwaysActive) {
        return;
    }
    asleep = x < -32 || x > 672 || y < -32 || y > 512;
}

void ViewObject::Shift(float dx, float dy) {
    x += dx;
    y += dy;
    TestOffScreen();
}

void ViewObject::SetPosition(float nx, float ny) {
    x = nx;
    y = ny;
    TestOffScreen();
}

void ViewObject::MoveTo(float nx, float ny) {
    x = nx;
    y = ny;
}

float ViewObject::DistanceToPlayer() const {
    const ViewObject* player = CurrentPlayerView();
    if (!player) {
        return 0.0f;
    }
    const float px = player->x + player->aimX;
    const float py = player->y + player->aimY;
    const float ox = x + aimX;
    const float oy = y + aimY;
    const float dx = px - ox;
    const float dy = py - oy;
    return std::sqrt(dx * dx + dy * dy);
}

float ViewObject::AngleToPlayer() const {
    const ViewObject* player = CurrentPlayerView();
    if (!player) {
        return 0.0f;
    }
    const float dx = (player->x + player->aimX) - (x + aimX);
    const float dy = (player->y + player->aimY) - (y + aimY);
    return std::atan2(dy, dx);
}

void ViewObject::RemoveIfOutside() {
    const int hw = width / 2;
    const int hh = height / 2;
    if (x + hw < -32 || x - hw > 672 || y + hh < -32 || y - hh > 512) {
        Remove();
    }
}
