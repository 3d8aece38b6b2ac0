#pragma once
// A Cairo image surface with its drawing context, released together.
#include <cairo.h>

#include <memory>

namespace artgen {

struct SurfaceDeleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct ContextDeleter {
    void operator()(cairo_t* c) const { cairo_destroy(c); }
};
using SurfacePtr = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;
using ContextPtr = std::unique_ptr<cairo_t, ContextDeleter>;

class Canvas {
public:
    // A fully transparent ARGB32 surface of the given size.
    Canvas(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    cairo_t* Context() const { return context_.get(); }
    cairo_surface_t* Surface() const { return surface_.get(); }

private:
    int width_, height_;
    SurfacePtr surface_;
    ContextPtr context_;
};

// Throws when the context has entered an error state.
void CheckCairo(cairo_t* cr, const char* what);

} // namespace artgen
