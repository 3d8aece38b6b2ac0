#pragma once
// Renders one SVG document into a square PNG: the desktop icon in the sizes
// the icon theme wants.
#include <string>

namespace artgen {

// Throws std::runtime_error naming the file when reading or writing fails.
void RenderIconPng(const std::string& svgPath, int size, const std::string& pngPath);

} // namespace artgen
