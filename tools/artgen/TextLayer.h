#pragma once
// Sets text with Pango: outlined, optionally shadowed and gradient-filled.
#include "Manifest.h"

#include <cairo.h>
#include <pango/pangocairo.h>

#include <memory>
#include <string>

namespace artgen {

struct GObjectDeleter {
    void operator()(void* object) const { g_object_unref(object); }
};
using LayoutPtr = std::unique_ptr<PangoLayout, GObjectDeleter>;

// A layout of the text in the style's font. Hinting is off so that glyph
// shapes depend only on the font file, and the font must really be the one
// named: a silent fallback to another family would change every picture.
LayoutPtr MakeTextLayout(cairo_t* cr, const TextStyle& style, const std::string& text);

// Ink extents of a layout in pixels, relative to its top-left corner.
struct InkBox {
    double x, y, width, height;
};
InkBox TextInk(PangoLayout* layout);
double TextBaseline(PangoLayout* layout);

// Draws the layout with its top-left corner at the current point (0, 0) of
// user space: shadow, outline, then the fill.
void PaintText(cairo_t* cr, PangoLayout* layout, const TextStyle& style);

void DrawTextLayer(cairo_t* cr, const TextLayer& layer);

} // namespace artgen
