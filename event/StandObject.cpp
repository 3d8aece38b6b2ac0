#include "event/StandObject.h"

#include "event/AdvPicture.h"
#include "lib/DxGraphics.h"
#include "resource/CTexture.h"

#include <algorithm>

std::uint8_t StandObject::nameCounter = 0;

namespace {

std::string UniqueTextureName(const std::string& picture) {
    return AdvPictureFile(picture) + static_cast<char>(StandObject::nameCounter++);
}

} // namespace

StandObject::StandObject(const std::string& picture, int portraitSide)
    : sprite(LoadAdvPicture(picture, UniqueTextureName(picture))), side(portraitSide) {
    if (side == 0) {
        x = 40.0f;
        targetX = 140.0f;
    } else if (side == 1) {
        x = 600.0f;
        targetX = 500.0f;
    } else {
        x = 420.0f;
        targetX = 320.0f;
    }
    y = PortraitY;
}

StandObject::~StandObject() = default;

void StandObject::Update() {
    if (!arrived) {
        alpha = std::min(alpha + (fast ? 0.4f : 0.05f), 1.0f);
        const float step = fast ? 40.0f : 5.0f;
        if (side == 0) {
            x = std::min(x + step, targetX);
        } else {
            x = std::max(x - step, targetX);
        }
        if (x == targetX && alpha >= 1.0f) {
            arrived = true;
        }
    }
    if (leaving) {
        const float step = fast ? 80.0f : 10.0f;
        x += side == 0 ? -step : step;
        alpha = std::max(alpha - (fast ? 0.8f : 0.1f), 0.0f);
        if (alpha <= 0) {
            // Gone from view; it stays in its event's list until the event ends.
            removed = true;
        }
    }
    fast = false;
}

void StandObject::Draw() {
    DxGraphics* graphics = DxGraphics::Current();
    if (!graphics || !sprite) {
        return;
    }
    sprite->SetCentre(static_cast<float>(sprite->Width()) * 0.5f,
                      static_cast<float>(sprite->Height()) * 0.5f);
    sprite->scale = 1.0f;
    sprite->flipH = false;
    sprite->flipV = false;
    graphics->DrawSprite(sprite.get(), x, PortraitY, alpha, 0.0f, BlendAlpha);
}
