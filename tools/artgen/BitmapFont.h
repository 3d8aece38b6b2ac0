#pragma once
// Renders the bitmap-font sheet: printable ASCII in 16 x 8 cells of 32 x 32,
// the glyph of code c in column c % 16, row c / 16.
//
// The text code advances the pen by width(c) x 1.5 cell pixels at its usual
// spacing and shifts each glyph down by 1.5 x offset(c), so each glyph is
// squeezed to fit its advance and drawn with its baseline raised by that
// shift: every string then sits on one baseline.
#include "Canvas.h"
#include "Manifest.h"

namespace artgen {

constexpr int kGlyphCell = 32;
constexpr double kGlyphSpacing = 1.5;

void DrawFontSheet(Canvas& canvas, const FontSheet& font);

} // namespace artgen
