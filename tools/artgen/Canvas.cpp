#include "Canvas.h"

#include <stdexcept>
#include <string>

namespace artgen {

Canvas::Canvas(int width, int height)
    : width_(width), height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)) {
    if (cairo_surface_status(surface_.get()) != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error("cairo_image_surface_create failed for " + std::to_string(width) +
                                 "x" + std::to_string(height));
    }
    context_.reset(cairo_create(surface_.get()));
    CheckCairo(context_.get(), "cairo_create");
}

void CheckCairo(cairo_t* cr, const char* what) {
    const cairo_status_t status = cairo_status(cr);
    if (status != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error(std::string(what) + ": " + cairo_status_to_string(status));
    }
}

} // namespace artgen
