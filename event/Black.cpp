#include "event/Black.h"

#include "lib/DxGraphics.h"
#include "resource/CTexture.h"

Black::Black() {
    priority = 51;
    level = 105;
}

void Black::Draw() {
    DxGraphics* graphics = DxGraphics::Current();
    CTexture* texture = FindTexture("Black");
    if (!graphics || !texture) {
        return;
    }
    texture->SetRect(0, 0, 640, 480);
    texture->SetCentre(0, 0);
    texture->scale = 1.0f;
    texture->flipH = false;
    texture->flipV = false;
    graphics->DrawSprite(texture, 0, 0, Alpha, 0.0f, BlendAlpha);
}
