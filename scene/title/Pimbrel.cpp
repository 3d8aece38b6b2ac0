#include "scene/title/Pimbrel.h"

#include "app/VrelsSkarovApp.h"
#include "lib/DxGraphics.h"
#include "lib/myInput.h"
#include "object/ObjectManager.h"
#include "resource/CTexture.h"

namespace {
std::shared_ptr<CTexture> LoadCentred(const std::string& file) {
    auto texture = std::make_shared<CTexture>();
    texture->Load(file, true);
    return texture;
}
} // namespace

Pimbrel::Div::Div(const std::string& file, float px, float py)
    : texture(LoadCentred(file)), x(px), y(py) {
    priority = 100;
}

void Pimbrel::Div::Update() {
    scale -= 0.1f;
    if (scale < 1.0f) {
        scale = 1.0f;
    }
}

void Pimbrel::Div::Draw() {
    texture->scale = scale;
    DxGraphics::Current()->DrawSprite(texture.get(), x, y, 1.0f, 0.0f, BlendAlpha);
}

Pimbrel::Circle::Circle() : texture(LoadCentred("gfx/logo/pimbrel_circle.tga")) {
    priority = 101;
}

void Pimbrel::Circle::Update() {
    scale += 0.02f;
    alpha -= 0.035f;
    if (alpha <= 0.0f) {
        alpha = 0.0f;
        Remove();
    }
}

void Pimbrel::Circle::Draw() {
    texture->scale = scale;
    DxGraphics::Current()->DrawSprite(texture.get(), 320, 240, alpha, 0.0f, BlendAlpha);
}

Pimbrel::Pimbrel() : cat(std::make_unique<CTexture>()), lettering(std::make_unique<CTexture>()) {
    cat->Load("gfx/logo/pimbrel_cat.tga", true);
    lettering->Load("gfx/logo/pimbrel_sub.tga", true);
    static const struct {
        const char* file;
        float x;
        float y;
    } kPieces[] = {
        {"gfx/logo/pimbrel1.tga", 202, 253}, {"gfx/logo/pimbrel2.tga", 262, 244},
        {"gfx/logo/pimbrel3.tga", 322, 253}, {"gfx/logo/pimbrel4.tga", 379, 249},
        {"gfx/logo/pimbrel5.tga", 437, 255},
    };
    for (const auto& piece : kPieces) {
        pieces.push_back(std::make_unique<Div>(piece.file, piece.x, piece.y));
    }
    circle = std::make_unique<Circle>();
}

void Pimbrel::Update() {
    ++frameCount;
    ObjectManager& objects = *VrelsSkarovApp::Instance()->objects;
    if (!pieces.empty()) {
        if (frameCount > 8) {
            frameCount = 0;
            objects.Add(pieces.front().release());
            pieces.pop_front();
        }
    } else if (!circleShown) {
        if (frameCount > 18) {
            frameCount = 0;
            objects.Add(circle.release());
            circleShown = true;
        }
    } else if (frameCount > 120) {
        finished = true;
    }
    backgroundAlpha += 0.05f;
    if (backgroundAlpha > 1.0f) {
        backgroundAlpha = 1.0f;
    }
    if (VrelsSkarovApp::Instance()->input->ConfirmPressed()) {
        finished = true;
    }
}

void Pimbrel::Draw() {
    DxGraphics* graphics = DxGraphics::Current();
    if (CTexture* white = FindTexture("white")) {
        white->SetRect(0, 0, 640, 480);
        white->SetCentre(0, 0);
        white->scale = 1.0f;
        graphics->DrawSprite(white, 0, 0, backgroundAlpha, 0.0f, BlendAlpha);
    }
    graphics->DrawSprite(cat.get(), 442, 203, 1.0f, 0.0f, BlendAlpha);
    graphics->DrawSprite(lettering.get(), 320, 290, 1.0f, 0.0f, BlendAlpha);
}
