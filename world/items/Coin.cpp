#include "world/items/Coin.h"

#include "app/PlayerInfomation.h"
#include "app/VrelsSkarovApp.h"
#include "world/SpriteDraw.h"

void Coin::Update() {
    // A coin and an event trigger answer to a wider box than the other items.
    if (Touched(27)) {
        if (VrelsSkarovApp* app = VrelsSkarovApp::Instance(); app && app->playerRecord) {
            app->playerRecord->AddScore(Points);
        }
        ShowPickup("Item", "100");
    }
    counter += 1;
    if (counter == 50) {
        counter = 0;
    }
}

void Coin::Draw() {
    const int frame = counter / 10;
    world::SpriteState sprite;
    sprite.rect = TexRect{frame * 48, 0, frame * 48 + 48, 48};
    sprite.cx = 24;
    sprite.cy = 24;
    sprite.scale = 0.75f;
    world::DrawNamed("coin", sprite, x, y, 1.0f, 0.0f, BlendAlpha);
}
