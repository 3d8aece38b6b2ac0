#include "world/SpriteDraw.h"

#include "lib/SoundManager.h"
#include "resource/CTexture.h"

namespace world {

void Draw(CTexture* texture, const SpriteState& state, float x, float y, float alpha, float angle,
          int blend) {
    DxGraphics* graphics = DxGraphics::Current();
    if (!graphics || !texture) {
        return;
    }
    texture->SetRect(state.rect.left, state.rect.top, state.rect.right, state.rect.bottom);
    texture->SetCentre(state.cx, state.cy);
    texture->scale = state.scale;
    texture->flipH = state.flipH;
    texture->flipV = false;
    graphics->DrawSprite(texture, x, y, alpha, angle, blend);
}

void DrawNamed(const std::string& name, const SpriteState& state, float x, float y, float alpha,
               float angle, int blend) {
    Draw(FindTexture(name), state, x, y, alpha, angle, blend);
}

TexRect FullRect(const std::string& name) {
    TexRect rect;
    if (const CTexture* texture = FindTexture(name)) {
        const auto& info = texture->impl->info;
        if (info.width > 0 && info.height > 0) {
            rect.right = static_cast<int>(info.width);
            rect.bottom = static_cast<int>(info.height);
        } else {
            rect.right = texture->Width();
            rect.bottom = texture->Height();
        }
    }
    return rect;
}

void DrawChip(const TexRect& rect, float x, float y) {
    SpriteState state;
    state.rect = rect;
    DrawNamed("mapchip", state, x, y, 1.0f, 0.0f, BlendAlpha);
}

void PlaySound(const std::string& name, float x) {
    if (SoundManager* sound = SoundManager::Current()) {
        sound->Play(name, x);
    }
}

} // namespace world
