#pragma once
// The picture facts every graphics back end works from. The drawing back end
// decodes what this accepts; the back ends that draw nothing (the headless
// runner's, the recording one) stop here. All of them therefore refuse the
// same files for the same reasons, and none ever decodes a picture the check
// refused.
#include "lib/GraphicsBackend.h"

#include <string>

namespace vrels {

// Reads the picture at DataPath(file) with ReadPictureFile: a TGA picture's
// size and alpha come from its checked header; a picture of another kind is
// decoded from the checked bytes to learn them. Returns an empty string on
// success, else the reason the picture is refused.
std::string ReadPictureInfo(const std::string& file, ImageInfo* info);

} // namespace vrels
