#include "BitmapFont.h"

#include "TextLayer.h"
#include "ui/FontMetrics.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace artgen {
namespace {

// Narrow glyphs in wide advances (digits, punctuation) may widen a little so
// that numbers do not look spaced out.
constexpr double kMaxWiden = 1.12;
constexpr double kEdgeMargin = 0.25;

// The narrowest advances leave a glyph a few pixels of room. A full outline
// on both sides of a stem there left a fill under a pixel wide, which menus
// drawn at 0.6 scale lost entirely ("i" and "l" read as dark bars). Such
// glyphs get a thinner outline, never less than kMinOutline, and any round
// one squeezed hard into them has its fill stroked a little bolder, so every
// stem keeps a fill about two pixels wide in the sheet.
// Wider glyphs keep their counters open: bolder, "e" and "o" filled in.
constexpr double kOutlineShareOfRoom = 0.2;
constexpr double kMinOutline = 0.75;
constexpr double kNarrowRoom = 6.0;
constexpr double kHardSqueeze = 0.75;
constexpr double kMaxEmbolden = 0.6;

// Lower-case letters stand a little taller than the face draws them (about
// an eighth), scaled up from the baseline: the menus draw their lines at
// six to seven tenths, where words such as "Difficulty" or "Under The Moon"
// shrank to a small x-height between tall capitals and read poorly.
constexpr double kLowerCaseLift = 1.12;

// Outline and fill emboldening for one glyph: each widens the ink by twice
// its value.
struct GlyphPen {
    double outline;
    double embolden;
};

GlyphPen PenForRoom(double room, double inkWidth, double styleOutline) {
    GlyphPen pen{styleOutline, 0.0};
    if (styleOutline <= 0.0) {
        return pen;
    }
    pen.outline = std::min(styleOutline, std::max(kMinOutline, room * kOutlineShareOfRoom));
    const double squeeze = (room - 2.0 * pen.outline) / inkWidth;
    if (room < kNarrowRoom && squeeze < kHardSqueeze) {
        pen.embolden = std::min(kMaxEmbolden, (kHardSqueeze - squeeze) * 1.5);
    }
    return pen;
}

void SetSource(cairo_t* cr, const Colour& c) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a);
}

// Paints one glyph squeezed horizontally by `squeeze` and stretched upwards
// from its baseline by `lift`, its ink's left edge at x = left and its
// baseline at y = baseline. Only the outline path is squeezed and
// lifted: the outline pen stays round, so thin squeezed stems keep an
// outline as wide on their sides as on their tops.
void PaintSqueezedGlyph(cairo_t* cr, PangoLayout* layout, const TextStyle& style, double left,
                        double baseline, double squeeze, double lift, double inkX,
                        const GlyphPen& pen) {
    const double outline = pen.outline;
    const double embolden = pen.embolden;
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_translate(cr, left + outline + embolden, baseline);
    cairo_scale(cr, squeeze, lift);
    cairo_translate(cr, -inkX, -TextBaseline(layout));
    pango_cairo_update_layout(cr, layout);
    pango_cairo_layout_path(cr, layout);
    PangoRectangle logical;
    pango_layout_get_extents(layout, nullptr, &logical);
    const double top = double(logical.y) / PANGO_SCALE;
    const double bottom = top + double(logical.height) / PANGO_SCALE;
    cairo_restore(cr); // the path stays; the pen below is unsqueezed

    cairo_save(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    if (outline > 0.0) {
        SetSource(cr, style.outline);
        cairo_set_line_width(cr, (outline + embolden) * 2.0);
        cairo_stroke_preserve(cr);
    }
    if (style.fillBottom) {
        // Over the line's logical height, so every glyph of a font shades alike.
        const double y0 = baseline - TextBaseline(layout) + top;
        const double y1 = baseline - TextBaseline(layout) + bottom;
        cairo_pattern_t* gradient = cairo_pattern_create_linear(0.0, y0, 0.0, y1);
        cairo_pattern_add_color_stop_rgba(gradient, 0.0, style.fill.r, style.fill.g, style.fill.b,
                                          style.fill.a);
        const Colour& b = *style.fillBottom;
        cairo_pattern_add_color_stop_rgba(gradient, 1.0, b.r, b.g, b.b, b.a);
        cairo_set_source(cr, gradient);
        cairo_pattern_destroy(gradient);
    } else {
        SetSource(cr, style.fill);
    }
    if (embolden > 0.0) {
        cairo_set_line_width(cr, embolden * 2.0);
        cairo_stroke_preserve(cr);
    }
    cairo_fill(cr);
    cairo_restore(cr);
}

} // namespace

void DrawFontSheet(Canvas& canvas, const FontSheet& font) {
    cairo_t* cr = canvas.Context();
    for (int code = 33; code <= 126; ++code) {
        const auto ch = static_cast<unsigned char>(code);
        const std::string text(1, static_cast<char>(code));
        LayoutPtr layout = MakeTextLayout(cr, font.style, text);
        const InkBox ink = TextInk(layout.get());

        // The glyph starts one pixel into its cell (the first column of
        // every cell stays clear) and ends within its advance and, at the
        // tightest spacing, by the next glyph's first column: neighbours'
        // dark outlines may meet there, their fills stay apart. Ending a
        // pixel earlier left "c", "s" and "t" three pixels wide at the
        // menus' scale, where they read as "[", "f" and "l". A small margin
        // keeps the faint antialiased edge inside too.
        const double advance = vrels::GlyphAdvance(ch);
        const double room =
            std::floor(std::min(advance, advance * kTightestSpacing + 1.0)) - 1.0 - kEdgeMargin;
        const GlyphPen pen = PenForRoom(room, ink.width, font.style.outlineWidth);
        const double border = 2.0 * (pen.outline + pen.embolden);
        const double squeeze = std::min(kMaxWiden, (room - border) / ink.width);
        const double drawnWidth = ink.width * squeeze + border;
        const double baseline = font.baseline - kOffsetScale * vrels::GlyphOffset(ch);

        const int cellX = (code % 16) * kGlyphCell;
        const int cellY = (code / 16) * kGlyphCell;
        cairo_save(cr);
        // A clear border of one pixel: filtering at the edge of a cell must
        // not pick up the neighbouring glyph.
        cairo_rectangle(cr, cellX + 1, cellY + 1, kGlyphCell - 2, kGlyphCell - 2);
        cairo_clip(cr);
        // Narrow glyphs that did not fill their room sit in its middle.
        const double left = cellX + 1.0 + std::max(0.0, (room - drawnWidth) / 2.0);
        const double lift = (code >= 'a' && code <= 'z') ? kLowerCaseLift : 1.0;
        PaintSqueezedGlyph(cr, layout.get(), font.style, left, cellY + baseline, squeeze, lift,
                           ink.x, pen);
        cairo_restore(cr);
    }
    CheckCairo(cr, "drawing the font sheet");
}

} // namespace artgen
