#include "TextLayer.h"

#include "Canvas.h"

#include <cmath>
#include <stdexcept>
#include <strings.h>

namespace artgen {
namespace {

struct FontDescDeleter {
    void operator()(PangoFontDescription* d) const { pango_font_description_free(d); }
};
using FontDescPtr = std::unique_ptr<PangoFontDescription, FontDescDeleter>;

struct FontOptionsDeleter {
    void operator()(cairo_font_options_t* o) const { cairo_font_options_destroy(o); }
};

void CheckFontExists(PangoContext* context, const PangoFontDescription* wanted,
                     const std::string& name) {
    std::unique_ptr<PangoFont, GObjectDeleter> font(pango_context_load_font(context, wanted));
    if (!font) {
        throw std::runtime_error("no font for '" + name + "'");
    }
    FontDescPtr actual(pango_font_describe(font.get()));
    const char* want = pango_font_description_get_family(wanted);
    const char* got = pango_font_description_get_family(actual.get());
    if (want == nullptr || got == nullptr || strcasecmp(want, got) != 0) {
        throw std::runtime_error("font '" + name + "' is not installed (got '" +
                                 (got != nullptr ? got : "nothing") + "')");
    }
}

void SetSource(cairo_t* cr, const Colour& c) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a);
}

} // namespace

LayoutPtr MakeTextLayout(cairo_t* cr, const TextStyle& style, const std::string& text) {
    LayoutPtr layout(pango_cairo_create_layout(cr));
    if (!layout) {
        throw std::runtime_error("pango_cairo_create_layout failed");
    }
    PangoContext* context = pango_layout_get_context(layout.get());
    std::unique_ptr<cairo_font_options_t, FontOptionsDeleter> options(cairo_font_options_create());
    cairo_font_options_set_antialias(options.get(), CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options.get(), CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options.get(), CAIRO_HINT_METRICS_OFF);
    pango_cairo_context_set_font_options(context, options.get());
    pango_layout_context_changed(layout.get());

    FontDescPtr desc(pango_font_description_from_string(style.font.c_str()));
    pango_font_description_set_absolute_size(desc.get(), style.size * PANGO_SCALE);
    CheckFontExists(context, desc.get(), style.font);
    pango_layout_set_font_description(layout.get(), desc.get());
    if (style.letterSpacing != 0.0) {
        PangoAttrList* attrs = pango_attr_list_new();
        pango_attr_list_insert(attrs, pango_attr_letter_spacing_new(
                                          static_cast<int>(style.letterSpacing * PANGO_SCALE)));
        pango_layout_set_attributes(layout.get(), attrs);
        pango_attr_list_unref(attrs);
    }
    pango_layout_set_text(layout.get(), text.c_str(), -1);
    return layout;
}

InkBox TextInk(PangoLayout* layout) {
    PangoRectangle ink, logical;
    pango_layout_get_extents(layout, &ink, &logical);
    return {double(ink.x) / PANGO_SCALE, double(ink.y) / PANGO_SCALE,
            double(ink.width) / PANGO_SCALE, double(ink.height) / PANGO_SCALE};
}

double TextBaseline(PangoLayout* layout) {
    return double(pango_layout_get_baseline(layout)) / PANGO_SCALE;
}

void PaintText(cairo_t* cr, PangoLayout* layout, const TextStyle& style) {
    cairo_save(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    if (style.shadow) {
        cairo_save(cr);
        cairo_translate(cr, style.shadowDx, style.shadowDy);
        cairo_new_path(cr);
        pango_cairo_update_layout(cr, layout);
        pango_cairo_layout_path(cr, layout);
        SetSource(cr, *style.shadow);
        cairo_fill_preserve(cr);
        if (style.outlineWidth > 0.0) {
            cairo_set_line_width(cr, style.outlineWidth * 2.0);
            cairo_stroke(cr);
        }
        cairo_restore(cr);
    }
    cairo_new_path(cr);
    pango_cairo_update_layout(cr, layout);
    pango_cairo_layout_path(cr, layout);
    if (style.outlineWidth > 0.0) {
        SetSource(cr, style.outline);
        cairo_set_line_width(cr, style.outlineWidth * 2.0);
        cairo_stroke_preserve(cr);
    }
    if (style.fillBottom) {
        // Over the line's logical height, so every glyph of a font shades alike.
        PangoRectangle logical;
        pango_layout_get_extents(layout, nullptr, &logical);
        const double top = double(logical.y) / PANGO_SCALE;
        const double bottom = top + double(logical.height) / PANGO_SCALE;
        cairo_pattern_t* gradient = cairo_pattern_create_linear(0.0, top, 0.0, bottom);
        cairo_pattern_add_color_stop_rgba(gradient, 0.0, style.fill.r, style.fill.g, style.fill.b,
                                          style.fill.a);
        const Colour& b = *style.fillBottom;
        cairo_pattern_add_color_stop_rgba(gradient, 1.0, b.r, b.g, b.b, b.a);
        cairo_set_source(cr, gradient);
        cairo_pattern_destroy(gradient);
    } else {
        SetSource(cr, style.fill);
    }
    cairo_fill(cr);
    cairo_restore(cr);
    CheckCairo(cr, "drawing text");
}

void DrawTextLayer(cairo_t* cr, const TextLayer& layer) {
    if (layer.place.opacity <= 0.0) {
        return;
    }
    LayoutPtr layout = MakeTextLayout(cr, layer.style, layer.text);
    PangoRectangle logical;
    pango_layout_get_extents(layout.get(), nullptr, &logical);
    const double width = double(logical.width) / PANGO_SCALE;
    double left = 0.0;
    if (layer.align == Align::Center) {
        left = -width / 2.0;
    } else if (layer.align == Align::Right) {
        left = -width;
    }
    cairo_save(cr);
    const bool faded = layer.place.opacity < 1.0;
    if (faded) {
        cairo_push_group(cr);
    }
    cairo_translate(cr, layer.place.x + layer.place.dx, layer.place.y + layer.place.dy);
    cairo_rotate(cr, layer.place.rotateDegrees * M_PI / 180.0);
    cairo_scale(cr, layer.place.scaleX, layer.place.scaleY);
    cairo_translate(cr, left, -TextBaseline(layout.get()));
    PaintText(cr, layout.get(), layer.style);
    if (faded) {
        cairo_pop_group_to_source(cr);
        cairo_paint_with_alpha(cr, layer.place.opacity);
    }
    cairo_restore(cr);
    CheckCairo(cr, "drawing a text layer");
}

} // namespace artgen
