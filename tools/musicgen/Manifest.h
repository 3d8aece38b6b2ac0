#pragma once

#include <string>
#include <vector>

namespace musicgen {

// What a game file is cut from its piece's render.
enum class FileRole { Intro, Loop, Once };

struct ManifestEntry {
    std::string piece;
    FileRole role = FileRole::Once;
    std::string file; // relative to the game folder, may contain spaces
};

// The list of music files: one "piece role file" line each, '#' starts a comment.
// Throws std::runtime_error naming the line when it cannot be read.
std::vector<ManifestEntry> ReadManifest(const std::string& path);

const char* RoleName(FileRole role);

} // namespace musicgen
