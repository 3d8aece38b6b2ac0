#pragma once
// The controls card: every action with its key and pad button, drawn with the
// key-cap and pad pictograms of "gfx/options_keys.tga".
#include "app/GameOptions.h"

#include <string>

class CTexture;

class ControlsCard {
public:
    explicit ControlsCard(CTexture* pictograms) : sheet_(pictograms) {}
    void Draw(const GameOptions& options) const;

    // A key cap with the key's name on it at (x, y); returns its width.
    float DrawKeyCap(float x, float y, const std::string& name) const;
    // A round pad button with its name at (x, y); returns the width used.
    float DrawPadButton(float x, float y, int storedButton) const;

private:
    void DrawPiece(int left, int top, int right, int bottom, float x, float y) const;
    CTexture* sheet_;
};
