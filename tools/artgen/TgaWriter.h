#pragma once
// Turns Cairo's premultiplied pixels into straight-alpha images and writes
// them as uncompressed 32-bit TGA files.
#include "Image.h"

#include <cairo.h>

#include <string>
#include <vector>

namespace artgen {

// Un-premultiplies the surface's pixels.
Image ToStraightAlpha(cairo_surface_t* surface);

// Gives every fully transparent pixel the colour of its nearest visible
// neighbours, so linear filtering and mipmaps blend towards the edge colour
// instead of towards black.
void BleedEdgeColours(Image& image);

// The TGA file bytes: type 2, 32 bits, 8 alpha bits, top-left origin.
std::vector<uint8_t> EncodeTga(const Image& image);

// Writes the bytes unless the file already holds exactly them, so unchanged
// pictures keep their time stamps. Returns whether the file was written.
bool WriteIfChanged(const std::string& path, const std::vector<uint8_t>& bytes);

} // namespace artgen
