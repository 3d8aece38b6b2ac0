#include "scene/title/Lorrowind.h"

#include "app/VrelsSkarovApp.h"
#include "lib/DxGraphics.h"
#include "lib/myInput.h"
#include "resource/CTexture.h"

#include <algorithm>

Lorrowind::Lorrowind()
    : logo(std::make_unique<CTexture>()), presents(std::make_unique<CTexture>()) {
    logo->Load("gfx/logo/lorrowind.tga", false);
    presents->Load("gfx/logo/presents.tga", false);
}

void Lorrowind::Update() {
    ++frameCount;
    if (frameCount < 120) {
        logoAlpha = std::min(1.0f, logoAlpha + 0.08f);
        if (logoAlpha > 0.8f) {
            presentsAlpha = std::min(1.0f, presentsAlpha + 0.08f);
        }
    } else {
        logoAlpha = std::max(0.0f, logoAlpha - 0.08f);
        if (logoAlpha < 0.1f) {
            presentsAlpha = std::max(0.0f, presentsAlpha - 0.08f);
        }
        if (presentsAlpha == 0.0f) {
            finished = true;
        }
    }
    if (VrelsSkarovApp::Instance()->input->ConfirmPressed()) {
        finished = true;
    }
}

namespace {
void DrawStretched(CTexture* texture, int w, int h, float cx, float cy, float alpha) {
    const float left = cx - static_cast<float>(w / 2) - alpha;
    const float right = cx + static_cast<float>(w - w / 2) + alpha;
    const float top = cy - static_cast<float>(h / 2) - 150.0f * (1.0f - alpha);
    const float bottom = cy + static_cast<float>(h - h / 2) + 150.0f * (1.0f - alpha);
    const Point2f corners[4] = {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
    DxGraphics::Current()->DrawQuad(texture, corners, alpha);
}
} // namespace

void Lorrowind::Draw() {
    DrawStretched(logo.get(), 313, 67, 320, 230, logoAlpha);
    DrawStretched(presents.get(), 104, 26, 400, 260, presentsAlpha);
}
