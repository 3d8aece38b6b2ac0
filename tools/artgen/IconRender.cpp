#include "IconRender.h"

#include "SvgLayer.h"

#include <cairo.h>
#include <librsvg/rsvg.h>
#include <memory>
#include <stdexcept>

namespace artgen {

namespace {

struct SurfaceDeleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct ContextDeleter {
    void operator()(cairo_t* c) const { cairo_destroy(c); }
};

std::string TakeMessage(GError* error) {
    const std::string message = error ? error->message : "unknown error";
    if (error) {
        g_error_free(error);
    }
    return message;
}

} // namespace

void RenderIconPng(const std::string& svgPath, int size, const std::string& pngPath) {
    if (size <= 0 || size > 4096) {
        throw std::runtime_error("icon size out of range: " + std::to_string(size));
    }
    GError* error = nullptr;
    RsvgPtr handle(rsvg_handle_new_from_file(svgPath.c_str(), &error));
    if (!handle) {
        throw std::runtime_error("cannot read " + svgPath + ": " + TakeMessage(error));
    }
    std::unique_ptr<cairo_surface_t, SurfaceDeleter> surface(
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size));
    std::unique_ptr<cairo_t, ContextDeleter> cr(cairo_create(surface.get()));
    const RsvgRectangle viewport = {0.0, 0.0, static_cast<double>(size), static_cast<double>(size)};
    if (!rsvg_handle_render_document(handle.get(), cr.get(), &viewport, &error)) {
        throw std::runtime_error("cannot render " + svgPath + ": " + TakeMessage(error));
    }
    cairo_surface_flush(surface.get());
    const cairo_status_t status = cairo_surface_write_to_png(surface.get(), pngPath.c_str());
    if (status != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error("cannot write " + pngPath + ": " + cairo_status_to_string(status));
    }
}

} // namespace artgen
