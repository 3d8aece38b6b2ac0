#pragma once
// Advance widths and vertical offsets of the bitmap fonts, by character code.
#include <string>

namespace vrels {
int GlyphAdvance(unsigned char ch);
int GlyphOffset(unsigned char ch);
// Width in pixels of a text drawn at this scale and spacing (the pen's travel).
int TextWidth(const std::string& text, float scale, float spacing);
} // namespace vrels
