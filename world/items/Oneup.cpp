#include "world/items/Oneup.h"

#include "app/PlayerInfomation.h"
#include "app/VrelsSkarovApp.h"
#include "world/SpriteDraw.h"

#include <algorithm>

void Oneup::Update() {
    angle += 0.04f;
    if (Touched(16)) {
        if (VrelsSkarovApp* app = VrelsSkarovApp::Instance(); app && app->playerRecord) {
            app->playerRecord->lives = std::min(app->playerRecord->lives + 1, MaxLives);
        }
        ShowPickup("1up", "1up");
    }
}

void Oneup::Draw() {
    world::SpriteState sprite;
    sprite.rect = TexRect{0, 0, 64, 64};
    sprite.cx = 32;
    sprite.cy = 32;
    sprite.scale = 0.5f;
    world::DrawNamed("1up", sprite, x, y, 1.0f, angle, BlendAlpha);
}
