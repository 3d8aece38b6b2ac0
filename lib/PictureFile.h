#pragma once
// Reads a picture file into memory and checks it before decoding, so every
// back end refuses the same files with the same reasons.
#include "lib/TgaCheck.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vrels {

// Reads file into *bytes. A ".tga" file must pass CheckTga (its facts go to
// *facts); other files are only read. Returns an empty string on success, else
// the reason the picture is refused (the file cannot be opened or read, is
// larger than any picture the game loads, or fails the check).
std::string ReadPictureFile(const std::string& file, std::vector<std::uint8_t>* bytes,
                            TgaFacts* facts);

} // namespace vrels
