#pragma once
// Text drawn from one of the three bitmap fonts with proportional widths.
#include "object/ViewObject.h"

#include <string>

class CTexture;

class StringSpriteBase : public ViewObject {
public:
    StringSpriteBase(float x, float y, const std::string& text, const char* fontName);
    void Update() override {}
    void Draw() override;

    std::string text;
    float scale = 0.8f;
    float alpha = 1.0f;
    float spacing = 1.5f;
    CTexture* font = nullptr;
};

class StringSprite : public StringSpriteBase {
public:
    StringSprite(float x, float y, const std::string& text)
        : StringSpriteBase(x, y, text, "NormalFont") {}
};

class StringSpriteOrange : public StringSpriteBase {
public:
    StringSpriteOrange(float x, float y, const std::string& text)
        : StringSpriteBase(x, y, text, "OrangeFont") {}
};

class StringSpriteGreen : public StringSpriteBase {
public:
    StringSpriteGreen(float x, float y, const std::string& text)
        : StringSpriteBase(x, y, text, "GreenFont") {}
};

// A menu line: normal font at scale 0.7 with its own alpha.
class StringCell : public ViewObject {
public:
    StringCell(const std::string& text, float x, float y, float alpha);
    void Draw() override;

    std::string text;
    float alpha;
};

// A StringCell that fades towards a target alpha by 0.1 a frame.
class BlendStringCell : public StringCell {
public:
    BlendStringCell(const std::string& text, float x, float y, float alpha, float target)
        : StringCell(text, x, y, alpha), targetAlpha(target) {}
    void Update() override;

    float targetAlpha;
};

// Green text that fades in and out, advanced by its own draws.
class BlinkString : public ViewObject {
public:
    explicit BlinkString(const std::string& text);
    void Draw() override;

    int ix = 195;
    int iy = 310;
    std::string text;
    float alpha = 0.0f;
    float alphaRate = 0.75f;
};
