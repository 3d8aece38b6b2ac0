#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// One music file as the manifest lists it, with the length the generator
// recorded for it.
struct MusicFile {
    std::string piece;
    std::string role; // "intro", "loop" or "once"
    std::string file; // relative to the game folder
    int64_t expectedFrames = -1;
};

// Reads the manifest and every piece's recorded lengths; a failure to read
// is reported through `error`.
std::vector<MusicFile> ReadMusicList(const std::string& manifestPath, const std::string& workDir,
                                     std::string& error);
