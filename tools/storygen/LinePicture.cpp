#include "LinePicture.h"

#include "TextLayer.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace storygen {
namespace {

// Room around the glyphs for the halo, the outline and the shadow's offset.
constexpr double kPad = 5.0;
// A soft dark ring well outside the outline, so a line stays readable where
// it passes over a light portrait (the ghost, an apron, a porcelain mask).
constexpr double kHaloWidth = 9.0;
constexpr double kHaloAlpha = 0.55;
constexpr double kShadowOffset = 2.0;
// Every line sits on its own dark, rounded plate edged in the speaker's
// colour: a text box, so a line reads the same over a face, a lit window or
// the fight behind it.
constexpr double kPlateAlpha = 0.72;
constexpr double kPlateRadius = 5.0;
constexpr double kPlateEdgeAlpha = 0.6;

// The speaker's name tops the plate in small letters of their colour, so a
// line is never taken for the portrait it happens to pass over.
constexpr double kNameSize = 11.0;
// The name's row overlaps the text's leading by this much.
constexpr double kNameTuck = 2.0;

artgen::TextStyle NameStyle(const Speaker& speaker) {
    artgen::TextStyle style;
    style.font = "DejaVu Sans Condensed Bold";
    style.size = kNameSize;
    style.fill = speaker.fill;
    style.outline = artgen::Colour{0.05, 0.03, 0.08, 1.0};
    style.outlineWidth = 1.5;
    return style;
}

artgen::TextStyle LineStyle(const Speaker& speaker) {
    artgen::TextStyle style;
    style.font = "DejaVu Sans Condensed Bold";
    style.size = 17.0;
    style.fill = speaker.fill;
    style.outline = artgen::Colour{0.05, 0.03, 0.08, 1.0};
    style.outlineWidth = 2.2;
    style.shadow = artgen::Colour{0.0, 0.0, 0.0, 0.75};
    style.shadowDx = kShadowOffset;
    style.shadowDy = kShadowOffset;
    return style;
}

void PaintHalo(cairo_t* cr, PangoLayout* layout) {
    cairo_save(cr);
    cairo_new_path(cr);
    pango_cairo_update_layout(cr, layout);
    pango_cairo_layout_path(cr, layout);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, kHaloWidth);
    // Stroke and fill as one group so overlapping strokes do not darken.
    cairo_push_group(cr);
    cairo_set_source_rgba(cr, 0.0, 0.0, 0.0, 1.0);
    cairo_stroke_preserve(cr);
    cairo_fill(cr);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, kHaloAlpha);
    cairo_restore(cr);
}

void PaintPlate(cairo_t* cr, int width, int height, const artgen::Colour& edge) {
    const double x0 = 0.5, y0 = 0.5, x1 = width - 0.5, y1 = height - 0.5;
    const double r = kPlateRadius;
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_arc(cr, x1 - r, y0 + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x1 - r, y1 - r, r, 0, M_PI / 2);
    cairo_arc(cr, x0 + r, y1 - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x0 + r, y0 + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
    cairo_set_source_rgba(cr, 0.05, 0.03, 0.09, kPlateAlpha);
    cairo_fill_preserve(cr);
    cairo_set_source_rgba(cr, edge.r, edge.g, edge.b, kPlateEdgeAlpha);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    cairo_restore(cr);
}

} // namespace

std::unique_ptr<artgen::Canvas> RenderLine(const Line& line, const Speaker& speaker) {
    const artgen::TextStyle style = LineStyle(speaker);
    // Lay the text out on a scratch surface first to learn its size.
    artgen::Canvas scratch(1, 1);
    artgen::LayoutPtr layout = artgen::MakeTextLayout(scratch.Context(), style, line.text);
    const double wrapWidth = kMaxLineWidth - 2.0 * kPad - kShadowOffset;
    pango_layout_set_width(layout.get(), static_cast<int>(wrapWidth * PANGO_SCALE));
    pango_layout_set_wrap(layout.get(), PANGO_WRAP_WORD);
    const int rows = pango_layout_get_line_count(layout.get());
    if (rows > kMaxTextRows) {
        throw std::runtime_error(line.origin + ": line '" + line.name + "' needs " +
                                 std::to_string(rows) + " rows; shorten it");
    }
    PangoRectangle logical;
    pango_layout_get_extents(layout.get(), nullptr, &logical);
    const double textWidth = double(logical.width) / PANGO_SCALE;
    const double textHeight = double(logical.height) / PANGO_SCALE;
    const artgen::TextStyle nameStyle = NameStyle(speaker);
    artgen::LayoutPtr nameLayout =
        artgen::MakeTextLayout(scratch.Context(), nameStyle, speaker.name);
    PangoRectangle nameLogical;
    pango_layout_get_extents(nameLayout.get(), nullptr, &nameLogical);
    const double nameWidth = double(nameLogical.width) / PANGO_SCALE;
    const double nameRow = double(nameLogical.height) / PANGO_SCALE - kNameTuck;
    const int width =
        static_cast<int>(std::ceil(std::max(textWidth, nameWidth) + 2.0 * kPad + kShadowOffset));
    const int height =
        static_cast<int>(std::ceil(nameRow + textHeight + 2.0 * kPad + kShadowOffset));
    if (width > kMaxLineWidth) {
        throw std::runtime_error(line.origin + ": line '" + line.name + "' is " +
                                 std::to_string(width) + " pixels wide; shorten it");
    }

    auto canvas = std::make_unique<artgen::Canvas>(width, height);
    artgen::LayoutPtr final = artgen::MakeTextLayout(canvas->Context(), style, line.text);
    pango_layout_set_width(final.get(), static_cast<int>(wrapWidth * PANGO_SCALE));
    pango_layout_set_wrap(final.get(), PANGO_WRAP_WORD);
    cairo_t* cr = canvas->Context();
    PaintPlate(cr, width, height, speaker.fill);
    cairo_save(cr);
    cairo_translate(cr, kPad - double(nameLogical.x) / PANGO_SCALE, kPad - kNameTuck);
    artgen::LayoutPtr name = artgen::MakeTextLayout(cr, nameStyle, speaker.name);
    artgen::PaintText(cr, name.get(), nameStyle);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_translate(cr, kPad - double(logical.x) / PANGO_SCALE, kPad + nameRow);
    PaintHalo(cr, final.get());
    artgen::PaintText(cr, final.get(), style);
    cairo_restore(cr);
    artgen::CheckCairo(cr, "drawing a line of dialogue");
    return canvas;
}

} // namespace storygen
