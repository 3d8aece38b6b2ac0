#include "enemy/Dummy.h"

#include "lib/DxGraphics.h"
#include "resource/CTexture.h"
#include "world/PlaceChip.h"

#include <memory>

namespace {
// Chip (0, 192) of the sheet places a practice target.
const bool registered = RegisterChipCreator(
    ChipCode(0, 192), [] { return std::unique_ptr<ViewObject>(std::make_unique<Dummy>()); });
} // namespace

Dummy::Dummy() {
    hitPoints = 1;
    stompable = true;
    width = 32;
    height = 32;
    left = -13;
    top = -13;
    right = 13;
    bottom = 13;
    facing = false;
}

void Dummy::Draw() {
    DxGraphics* graphics = DxGraphics::Current();
    CTexture* texture = FindTexture("Dummy");
    if (!graphics || !texture) {
        return;
    }
    // The whole image, centred on the position.
    if (texture->impl && texture->impl->info.width > 0) {
        texture->SetRect(0, 0, static_cast<int>(texture->impl->info.width),
                         static_cast<int>(texture->impl->info.height));
    }
    texture->flipH = facing;
    texture->flipV = false;
    texture->scale = 1.0f;
    texture->SetCentre(static_cast<float>(texture->Width()) * 0.5f,
                       static_cast<float>(texture->Height()) * 0.5f);
    graphics->DrawSprite(texture, x, y, 1.0f, 0.0f, BlendAlpha);
}
