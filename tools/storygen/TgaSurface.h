#pragma once
// Reads the uncompressed 32-bit TGA pictures the content tools write back
// into Cairo surfaces, for composing review mock-ups from built pictures.
#include "Canvas.h"

#include <string>

namespace storygen {

// The picture as a premultiplied ARGB32 surface, or an empty pointer when
// the file is missing or is not an uncompressed 32-bit true-colour TGA.
artgen::SurfacePtr ReadTgaSurface(const std::string& path, std::string& error);

} // namespace storygen
