#pragma once
// Draws SVG documents, or single named groups of them, into a box.
#include "Manifest.h"

#include <cairo.h>
#include <librsvg/rsvg.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace artgen {

struct RsvgDeleter {
    void operator()(RsvgHandle* h) const { g_object_unref(h); }
};
using RsvgPtr = std::unique_ptr<RsvgHandle, RsvgDeleter>;

// Loads each SVG file once and remembers which files were read, so the build
// can re-render a manifest when one of its sources changes.
class SvgLibrary {
public:
    explicit SvgLibrary(std::string artDir) : artDir_(std::move(artDir)) {}

    RsvgHandle* Get(const std::string& file);
    const std::vector<std::string>& FilesRead() const { return filesRead_; }

private:
    std::string artDir_;
    std::map<std::string, RsvgPtr> handles_;
    std::vector<std::string> filesRead_;
};

// Applies the placement's box and transform: afterwards (0, 0)-(width,
// height) of user space is the layer's box, scaled and rotated about its centre.
void ApplyPlacement(cairo_t* cr, const Placement& place);

void DrawSvgLayer(cairo_t* cr, const SvgLayer& layer, SvgLibrary& library);

} // namespace artgen
