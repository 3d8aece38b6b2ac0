#pragma once
// Drawing helpers for the stage world. Textures are shared between objects, so
// every draw sets the whole drawing state (rectangle, centre, scale, flips) it
// relies on right before drawing.
#include "lib/DxGraphics.h"

#include <string>

class CTexture;

namespace world {

struct SpriteState {
    TexRect rect;
    float cx = 0;
    float cy = 0;
    float scale = 1.0f;
    bool flipH = false;
};

// Draws the texture registered under name with the given state; a missing
// texture or device draws nothing.
void DrawNamed(const std::string& name, const SpriteState& state, float x, float y, float alpha,
               float angle, int blend);
void Draw(CTexture* texture, const SpriteState& state, float x, float y, float alpha, float angle,
          int blend);
// The whole image of the named texture, as registered (its current size).
TexRect FullRect(const std::string& name);

// One 32 x 32 cell (or part of one) of the map's chip sheet "mapchip", placed by
// its top-left corner.
void DrawChip(const TexRect& rect, float x, float y);

// Plays a sound effect by name, panned for screen x; nothing when no sound
// device exists.
void PlaySound(const std::string& name, float x);

} // namespace world
