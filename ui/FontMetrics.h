#pragma once
// Advance widths and vertical offsets of the bitmap fonts, by character code.
namespace vrels {
int GlyphAdvance(unsigned char ch);
int GlyphOffset(unsigned char ch);
} // namespace vrels
