#include "ContactSheet.h"

#include "TextLayer.h"

#include <algorithm>
#include <stdexcept>

namespace artgen {
namespace {

constexpr int kColumns = 4;
constexpr int kThumbWidth = 320;
constexpr int kThumbHeight = 240;
constexpr int kLabelHeight = 20;
constexpr int kGap = 8;

void DrawChecker(cairo_t* cr, double x, double y, double w, double h) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    for (int cy = 0; cy * 8 < h; ++cy) {
        for (int cx = 0; cx * 8 < w; ++cx) {
            const double shade = (cx + cy) % 2 == 0 ? 0.42 : 0.58;
            cairo_set_source_rgb(cr, shade, shade, shade);
            cairo_rectangle(cr, x + cx * 8, y + cy * 8, 8, 8);
            cairo_fill(cr);
        }
    }
    cairo_restore(cr);
}

} // namespace

void WriteContactSheet(const std::string& path, const std::vector<SheetEntry>& entries) {
    const int cellW = kThumbWidth + kGap;
    const int cellH = kThumbHeight + kLabelHeight + kGap;
    const int rows = (static_cast<int>(entries.size()) + kColumns - 1) / kColumns;
    Canvas sheet(kColumns * cellW + kGap, std::max(1, rows) * cellH + kGap);
    cairo_t* cr = sheet.Context();
    cairo_set_source_rgb(cr, 0.12, 0.12, 0.15);
    cairo_paint(cr);
    TextStyle labelStyle;
    labelStyle.font = "DejaVu Sans";
    labelStyle.size = 12.0;
    for (size_t i = 0; i < entries.size(); ++i) {
        const double x = kGap + double(i % kColumns) * cellW;
        const double y = kGap + double(i / kColumns) * cellH;
        const Canvas& picture = *entries[i].canvas;
        // Shrink large pictures to the thumbnail box; never enlarge.
        const double scale = std::min(
            {1.0, double(kThumbWidth) / picture.Width(), double(kThumbHeight) / picture.Height()});
        const double w = picture.Width() * scale, h = picture.Height() * scale;
        DrawChecker(cr, x, y, w, h);
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, scale, scale);
        cairo_set_source_surface(cr, picture.Surface(), 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
        cairo_paint(cr);
        cairo_restore(cr);
        cairo_save(cr);
        cairo_translate(cr, x, y + kThumbHeight + 2);
        LayoutPtr label = MakeTextLayout(cr, labelStyle, entries[i].label);
        PaintText(cr, label.get(), labelStyle);
        cairo_restore(cr);
    }
    CheckCairo(cr, "drawing the contact sheet");
    const cairo_status_t status = cairo_surface_write_to_png(sheet.Surface(), path.c_str());
    if (status != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error("cairo_surface_write_to_png " + path + ": " +
                                 cairo_status_to_string(status));
    }
}

} // namespace artgen
