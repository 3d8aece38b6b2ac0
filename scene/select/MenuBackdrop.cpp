#include "scene/select/MenuBackdrop.h"

#include "lib/DxGraphics.h"
#include "resource/CTexture.h"

MenuBackdrop::MenuBackdrop()
    : back_(std::make_unique<CTexture>()), wall_(std::make_unique<CTexture>()) {
    back_->Load("gfx/back.tga", false);
    back_->SetRect(0, 0, 640, 480);
    wall_->Load("gfx/kabe.tga", false);
}

MenuBackdrop::~MenuBackdrop() = default;

void MenuBackdrop::Draw(float dx, float dy) const {
    DxGraphics* graphics = DxGraphics::Current();
    if (!graphics) {
        return;
    }
    back_->SetCentre(0, 0);
    back_->scale = 1.0f;
    graphics->DrawSprite(back_.get(), 0, 0, 1.0f, 0.0f, BlendAlpha);
    wall_->scale = 1.0f;
    graphics->DrawTiled(wall_.get(), TexRect{0, 0, 256, 256}, dx, dy, 0.5f);
}
