#include "event/MessObject.h"

#include "event/AdvPicture.h"
#include "lib/DxGraphics.h"
#include "resource/CTexture.h"

#include <algorithm>

MessObject::MessObject(const std::string& picture, int lineSide)
    : sprite(LoadAdvPicture(picture, AdvPictureFile(picture))), side(lineSide) {
    x = side == 0 ? 50.0f : side == 1 ? 320.0f : 200.0f;
    y = 480.0f;
}

MessObject::~MessObject() = default;

void MessObject::Update() {
    const float step = fast ? 64.0f : 8.0f;
    const float fadeStep = fast ? 0.32f : 0.04f;
    if (y > BandBottom) {
        y -= step;
        alpha = std::min(alpha + fadeStep, 1.0f);
    } else if (y < BandTop) {
        y -= step;
        alpha = std::max(alpha - fadeStep, 0.0f);
    } else {
        y -= fast ? 4.0f : 0.5f;
        alpha = 1.0f;
    }
    fast = false;
    if (y < -32.0f) {
        Remove();
    }
}

void MessObject::Draw() {
    DxGraphics* graphics = DxGraphics::Current();
    if (!graphics || !sprite) {
        return;
    }
    sprite->SetCentre(0, 0);
    sprite->scale = 1.0f;
    sprite->flipH = false;
    sprite->flipV = false;
    graphics->DrawSprite(sprite.get(), x, y, alpha, 0.0f, BlendAlpha);
}
