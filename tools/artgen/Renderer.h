#pragma once
// Draws one picture of a manifest onto a fresh canvas.
#include "Canvas.h"
#include "Manifest.h"
#include "SvgLayer.h"

#include <memory>

namespace artgen {

std::unique_ptr<Canvas> RenderPicture(const Picture& picture, SvgLibrary& library);

} // namespace artgen
