#pragma once
// A scratch game folder for one search: links to the real folder's data, so
// the game's own writes (log, progress, replays) stay out of the build, and
// optionally a different map standing in for the test stage's.
#include <string>

namespace autoplay {

class GameFolder {
public:
    // Links everything of gameDir except what the game writes. With testMap
    // (a path or a name under gameDir/map), "map/test.tm2" is that map.
    GameFolder(const std::string& gameDir, const std::string& testMap);
    ~GameFolder();
    GameFolder(const GameFolder&) = delete;
    GameFolder& operator=(const GameFolder&) = delete;

    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

} // namespace autoplay
