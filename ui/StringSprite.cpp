#include "ui/StringSprite.h"

#include "lib/DxGraphics.h"
#include "resource/CTexture.h"
#include "ui/FontMetrics.h"

StringSpriteBase::StringSpriteBase(float px, float py, const std::string& s, const char* fontName)
    : text(s), font(FindTexture(fontName)) {
    x = px;
    y = py;
}

void StringSpriteBase::Draw() {
    DxGraphics* graphics = DxGraphics::Current();
    if (!graphics || !font) {
        return;
    }
    int pen = 0;
    for (unsigned char ch : text) {
        const int col = ch % 16;
        const int row = ch / 16;
        font->SetRect(32 * col, 32 * row, 32 * col + 32, 32 * row + 32);
        font->scale = scale;
        graphics->DrawSprite(font, x + static_cast<float>(pen),
                             y + static_cast<float>(vrels::GlyphOffset(ch)) * 1.5f * scale, alpha,
                             0.0f, BlendAlpha);
        pen += static_cast<int>(static_cast<float>(vrels::GlyphAdvance(ch)) * spacing * scale);
    }
}

StringCell::StringCell(const std::string& s, float px, float py, float a) : text(s), alpha(a) {
    x = px;
    y = py;
    priority = 0;
    level = 100;
}

void StringCell::Draw() {
    StringSprite sprite(x, y, text);
    sprite.scale = 0.7f;
    sprite.alpha = alpha;
    sprite.Draw();
}

void BlendStringCell::Update() {
    if (targetAlpha > alpha) {
        const float next = alpha + 0.1f;
        alpha = next >= targetAlpha ? targetAlpha : next;
    } else if (targetAlpha < alpha) {
        const float next = alpha - 0.1f;
        alpha = next <= targetAlpha ? targetAlpha : next;
    }
}

BlinkString::BlinkString(const std::string& s) : text(s) {
    x = 195;
    y = 310;
}

void BlinkString::Draw() {
    alpha += alphaRate * 0.01666f;
    if (alpha <= 0.0f || alpha >= 1.0f) {
        alphaRate = -alphaRate;
    }
    if (alpha < 0.0f) {
        alpha = 0.0f;
    }
    if (alpha > 1.0f) {
        alpha = 1.0f;
    }
    StringSpriteGreen sprite(static_cast<float>(ix), static_cast<float>(iy), text);
    sprite.alpha = alpha;
    sprite.Draw();
}
