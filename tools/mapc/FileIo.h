#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mapc {

// Whole-file reads and writes for the command line. Failures come back as a
// message naming the file and the system's reason.
bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes, std::string& error);

// Writes through a temporary file beside the target and renames it, so that a
// failed run never leaves a half-written map for the build to pick up.
bool WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes,
                    std::string& error);

} // namespace mapc
