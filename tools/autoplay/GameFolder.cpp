#include "tools/autoplay/GameFolder.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace fs = std::filesystem;

namespace autoplay {

namespace {

bool WrittenByTheGame(const std::string& name) {
    return name == "map" || name == "replay" || name == "log.txt" || name == "vrels.ini" ||
           name == "score.ini";
}

void Link(const fs::path& target, const fs::path& link) {
    std::error_code error;
    fs::create_symlink(fs::absolute(target), link, error);
    if (error) {
        throw std::runtime_error("cannot link " + link.string() + ": " + error.message());
    }
}

} // namespace

GameFolder::GameFolder(const std::string& gameDir, const std::string& testMap) {
    char pattern[] = "/tmp/vrels-autoplay-XXXXXX";
    if (!mkdtemp(pattern)) {
        throw std::runtime_error("cannot make a scratch folder in /tmp");
    }
    path_ = pattern;
    const fs::path game(gameDir);
    if (!fs::is_directory(game / "gfx")) {
        throw std::runtime_error(gameDir + " is not a game folder");
    }
    for (const auto& entry : fs::directory_iterator(game)) {
        const std::string name = entry.path().filename().string();
        if (!WrittenByTheGame(name)) {
            Link(entry.path(), fs::path(path_) / name);
        }
    }
    const fs::path maps = fs::path(path_) / "map";
    fs::create_directory(maps);
    fs::create_directory(fs::path(path_) / "replay");
    for (const auto& entry : fs::directory_iterator(game / "map")) {
        if (testMap.empty() || entry.path().filename() != "test.tm2") {
            Link(entry.path(), maps / entry.path().filename());
        }
    }
    if (!testMap.empty()) {
        fs::path source(testMap);
        if (!fs::exists(source)) {
            source = game / "map" / testMap;
        }
        if (!fs::exists(source)) {
            throw std::runtime_error("no map " + testMap);
        }
        Link(source, maps / "test.tm2");
    }
}

GameFolder::~GameFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

} // namespace autoplay
