#pragma once
// How much of the screen a quad covers: what it costs a fill-bound renderer.
#include "lib/GraphicsBackend.h"

namespace vrels {

// Area in pixels of the part of the quad (strip order top-left, top-right,
// bottom-left, bottom-right; draw-model coordinates) inside the 640 x 480 screen.
double OnScreenArea(const QuadVertex v[4]);

} // namespace vrels
