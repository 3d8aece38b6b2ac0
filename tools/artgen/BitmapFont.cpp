#include "BitmapFont.h"

#include "TextLayer.h"
#include "ui/FontMetrics.h"

#include <algorithm>
#include <string>

namespace artgen {

constexpr double kMaxWiden = 1.12;

void DrawFontSheet(Canvas& canvas, const FontSheet& font) {
    cairo_t* cr = canvas.Context();
    for (int code = 33; code <= 126; ++code) {
        const std::string text(1, static_cast<char>(code));
        LayoutPtr layout = MakeTextLayout(cr, font.style, text);
        const InkBox ink = TextInk(layout.get());
        const double outline = font.style.outlineWidth;
        // Room for the glyph and its outline, keeping a pixel between letters.
        // Narrow glyphs in wide advances (digits, punctuation) widen a little
        // so that numbers do not look spaced out.
        const double room = vrels::GlyphAdvance(static_cast<unsigned char>(code)) * kGlyphSpacing;
        const double inkWidth = ink.width + 2.0 * outline;
        const double squeeze = std::min(kMaxWiden, (room - 2.0) / inkWidth);
        const double drawnWidth = inkWidth * squeeze;
        const double baseline =
            font.baseline - kGlyphSpacing * vrels::GlyphOffset(static_cast<unsigned char>(code));

        const int cellX = (code % 16) * kGlyphCell;
        const int cellY = (code / 16) * kGlyphCell;
        cairo_save(cr);
        // A clear border of one pixel: filtering at the edge of a cell must
        // not pick up the neighbouring glyph.
        cairo_rectangle(cr, cellX + 1, cellY + 1, kGlyphCell - 2, kGlyphCell - 2);
        cairo_clip(cr);
        // Centre the ink in the advance so neighbours keep equal gaps.
        const double left = cellX + (room - drawnWidth) / 2.0;
        cairo_translate(cr, left, cellY + baseline);
        cairo_scale(cr, squeeze, 1.0);
        cairo_translate(cr, outline - ink.x, -TextBaseline(layout.get()));
        PaintText(cr, layout.get(), font.style);
        cairo_restore(cr);
    }
    CheckCairo(cr, "drawing the font sheet");
}

} // namespace artgen
