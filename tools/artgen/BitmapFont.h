#pragma once
// Renders the bitmap-font sheet: printable ASCII in 16 x 8 cells of 32 x 32,
// the glyph of code c in column c % 16, row c / 16.
//
// The text code advances the pen by width(c) x spacing x scale and shifts
// each glyph down by 1.5 x offset(c) x scale. Score texts use the tightest
// spacing, 0.9, so every glyph is squeezed to fit 0.9 x width(c) cell pixels
// with a clear pixel before the next glyph; wider spacings only add air.
// Each glyph's baseline is raised by its shift so every string sits on one
// baseline.
#include "Canvas.h"
#include "Manifest.h"

namespace artgen {

constexpr int kGlyphCell = 32;
constexpr double kTightestSpacing = 0.9; // advance fraction a glyph must fit in
constexpr double kOffsetScale = 1.5;     // the text code's fixed factor on offsets

void DrawFontSheet(Canvas& canvas, const FontSheet& font);

} // namespace artgen
