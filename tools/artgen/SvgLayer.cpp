#include "SvgLayer.h"

#include "Canvas.h"

#include <cmath>
#include <stdexcept>

namespace artgen {
namespace {

std::string TakeError(GError* error) {
    std::string text = error != nullptr ? error->message : "unknown error";
    if (error != nullptr) {
        g_error_free(error);
    }
    return text;
}

} // namespace

RsvgHandle* SvgLibrary::Get(const std::string& file) {
    auto it = handles_.find(file);
    if (it != handles_.end()) {
        return it->second.get();
    }
    const std::string path = artDir_ + "/" + file;
    GError* error = nullptr;
    RsvgPtr handle(rsvg_handle_new_from_file(path.c_str(), &error));
    if (!handle) {
        throw std::runtime_error("rsvg_handle_new_from_file " + path + ": " + TakeError(error));
    }
    filesRead_.push_back(path);
    RsvgHandle* raw = handle.get();
    handles_[file] = std::move(handle);
    return raw;
}

void ApplyPlacement(cairo_t* cr, const Placement& place) {
    const double cx = place.x + place.width / 2.0;
    const double cy = place.y + place.height / 2.0;
    cairo_translate(cr, cx + place.dx, cy + place.dy);
    cairo_rotate(cr, place.rotateDegrees * M_PI / 180.0);
    cairo_scale(cr, place.scaleX, place.scaleY);
    cairo_translate(cr, -place.width / 2.0, -place.height / 2.0);
}

void DrawSvgLayer(cairo_t* cr, const SvgLayer& layer, SvgLibrary& library) {
    RsvgHandle* handle = library.Get(layer.file);
    const std::string id = "#" + layer.group;
    if (!layer.group.empty() && !rsvg_handle_has_sub(handle, id.c_str())) {
        throw std::runtime_error(layer.file + " has no element with id '" + layer.group + "'");
    }
    if (layer.place.opacity <= 0.0 || layer.place.scaleX == 0.0 || layer.place.scaleY == 0.0) {
        return;
    }
    cairo_save(cr);
    const bool faded = layer.place.opacity < 1.0;
    if (faded) {
        cairo_push_group(cr);
    }
    ApplyPlacement(cr, layer.place);
    const RsvgRectangle viewport{0.0, 0.0, layer.place.width, layer.place.height};
    GError* error = nullptr;
    const gboolean ok = layer.group.empty()
                            ? rsvg_handle_render_document(handle, cr, &viewport, &error)
                            : rsvg_handle_render_layer(handle, cr, id.c_str(), &viewport, &error);
    if (faded) {
        cairo_pop_group_to_source(cr);
        cairo_identity_matrix(cr);
        cairo_paint_with_alpha(cr, layer.place.opacity);
    }
    cairo_restore(cr);
    if (!ok) {
        throw std::runtime_error("rendering " + layer.file + id + ": " + TakeError(error));
    }
    CheckCairo(cr, "drawing an SVG layer");
}

} // namespace artgen
