#include "scene/options/ControlsCard.h"

#include "lib/DxGraphics.h"
#include "lib/KeyCodes.h"
#include "lib/KeyMap.h"
#include "lib/myInput.h"
#include "resource/CTexture.h"
#include "ui/FontMetrics.h"
#include "ui/StringSprite.h"

namespace {

// Inside the backdrop's panel (x 78 to 582).
constexpr float kLabelX = 92;
constexpr float kKeysX = 230;
constexpr float kPadX = 470;
constexpr float kFirstRowY = 100;
constexpr float kRowStep = 38;
constexpr float kCapTextScale = 0.6f;
constexpr float kCapTextSpacing = 1.2f;
// The widest cap and the margin its name keeps from the cap's edges.
constexpr int kWidestCap = 96;
constexpr int kCapMargin = 10;

void DrawLabel(float x, float y, const std::string& text, float scale = 0.6f) {
    StringSprite label(x, y, text);
    label.scale = scale;
    label.spacing = 1.2f;
    label.Draw();
}

} // namespace

void ControlsCard::DrawPiece(int left, int top, int right, int bottom, float x, float y) const {
    DxGraphics* graphics = DxGraphics::Current();
    if (!graphics || !sheet_) {
        return;
    }
    sheet_->SetRect(left, top, right, bottom);
    sheet_->SetCentre(0, 0);
    sheet_->scale = 1.0f;
    graphics->DrawSprite(sheet_, x, y, 1.0f, 0.0f, BlendAlpha);
}

float ControlsCard::DrawKeyCap(float x, float y, const std::string& name) const {
    float scale = kCapTextScale;
    int textWidth = vrels::TextWidth(name, scale, kCapTextSpacing);
    // The narrowest of the three caps that holds the name with a margin; a
    // name too long even for the widest ("SCROLL LOCK") is written smaller.
    int left = 96;
    int width = kWidestCap;
    if (textWidth + kCapMargin <= 32) {
        left = 0;
        width = 32;
    } else if (textWidth + kCapMargin <= 64) {
        left = 32;
        width = 64;
    } else if (textWidth + kCapMargin > kWidestCap) {
        scale *= static_cast<float>(kWidestCap - kCapMargin) / static_cast<float>(textWidth);
        textWidth = vrels::TextWidth(name, scale, kCapTextSpacing);
    }
    DrawPiece(left, 0, left + width, 32, x, y);
    // Glyph cells are 32 pixels high with the letters in their middle; this
    // centres them on the cap's face.
    const float top = y + 13 - 16.0f * scale;
    StringSprite text(x + static_cast<float>(width - textWidth) / 2.0f, top, name);
    text.scale = scale;
    text.spacing = kCapTextSpacing;
    text.Draw();
    return static_cast<float>(width);
}

float ControlsCard::DrawPadButton(float x, float y, int storedButton) const {
    const std::string name = vrels::PadButtonName(storedButton - 1);
    DrawPiece(192, 0, 224, 32, x, y);
    if (name.size() == 1) {
        const int w = vrels::TextWidth(name, kCapTextScale, kCapTextSpacing);
        StringSprite text(x + static_cast<float>(32 - w) / 2.0f, y + 14 - 16.0f * kCapTextScale,
                          name);
        text.scale = kCapTextScale;
        text.spacing = kCapTextSpacing;
        text.Draw();
        return 32;
    }
    // Longer names go beside the button.
    DrawLabel(x + 36, y + 7, name, 0.5f);
    return 36.0f + static_cast<float>(vrels::TextWidth(name, 0.5f, 1.2f));
}

void ControlsCard::Draw(const GameOptions& o) const {
    StringSpriteGreen keysHeading(kKeysX, 70, "KEYBOARD");
    keysHeading.scale = 0.6f;
    keysHeading.Draw();
    StringSpriteGreen padHeading(kPadX, 70, "PAD");
    padHeading.scale = 0.6f;
    padHeading.Draw();

    float y = kFirstRowY;
    auto row = [&](const char* label) {
        DrawLabel(kLabelX, y + 7, label);
        const float top = y;
        y += kRowStep;
        return top;
    };
    auto orWord = [&](float x, float top, const char* word) {
        DrawLabel(x, top + 7, word, 0.5f);
        return static_cast<float>(vrels::TextWidth(word, 0.5f, 1.2f)) + 8;
    };
    // The shot key, and Return beside it when Return does the same.
    auto shotKeyOrReturn = [&](float top, bool returnToo) {
        float x = kKeysX + DrawKeyCap(kKeysX, top, vrels::KeyDisplayName(o.keyShot)) + 8;
        if (returnToo && o.keyShot != dik::RETURN) {
            x += orWord(x, top, "or");
            DrawKeyCap(x, top, vrels::KeyDisplayName(dik::RETURN));
        }
    };

    float top = row("Move, crouch");
    DrawPiece(0, 32, 96, 64, kKeysX, top);
    float x = kPadX;
    DrawPiece(224, 0, 256, 32, x, top);
    x += 40;
    x += orWord(x, top, "or");
    DrawPiece(96, 32, 128, 64, x, top);

    top = row("Shoot");
    shotKeyOrReturn(top, myInput::ReturnShoots(o.keySub));
    DrawPadButton(kPadX, top, o.joyShot);

    top = row("Jump");
    DrawKeyCap(kKeysX, top, vrels::KeyDisplayName(o.keySub));
    DrawPadButton(kPadX, top, o.joySub);

    top = row("Confirm");
    shotKeyOrReturn(top, true);
    DrawPadButton(kPadX, top, o.joyShot);

    top = row("Pause");
    DrawKeyCap(kKeysX, top, vrels::KeyDisplayName(dik::P));

    top = row("Paused: to title");
    DrawKeyCap(kKeysX, top, vrels::KeyDisplayName(dik::F12));

    top = row("Full screen");
    x = kKeysX + DrawKeyCap(kKeysX, top, "ALT") + 8;
    x += orWord(x, top, "+");
    DrawKeyCap(x, top, vrels::KeyDisplayName(dik::RETURN));

    top = row("Frame rate");
    DrawKeyCap(kKeysX, top, vrels::KeyDisplayName(dik::F1));

    top = row("Quit");
    DrawKeyCap(kKeysX, top, vrels::KeyDisplayName(dik::ESCAPE));
}
