#pragma once
// Drawing and sound helpers shared by the enemy kinds. Textures are shared, so
// each draw sets the whole sprite state it relies on.
#include "lib/DxGraphics.h"

namespace enemy {

struct Frame {
    TexRect rect; // source rectangle in the texture
    float cx = 0; // pivot inside the frame (screen-side, after mirroring)
    float cy = 0;
};

// A frame of a sheet whose frames of w x h lie side by side (source x = index x w).
Frame SideBySide(int index, int w, int h);
// A frame of a sheet whose frames of w x h are stacked (source y = index x h).
Frame Stacked(int index, int w, int h);

// Draws a frame of the named texture at (x, y), mirrored when flip, blended
// with alpha; nothing without a device or texture.
void DrawFrame(const char* texture, const Frame& frame, float x, float y, bool flip, float alpha,
               float angle = 0.0f, float scale = 1.0f);

// Whole pixels for the walking kinds, so they do not shimmer at half speeds.
float WholePixel(float v);

// Steps an animation counter that runs 0 .. length - 1 and wraps.
inline int NextAnimation(int counter, int length) {
    return counter + 1 >= length ? 0 : counter + 1;
}

} // namespace enemy
