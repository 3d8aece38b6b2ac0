#include "MusicList.h"

#include <fstream>
#include <sstream>

std::vector<MusicFile> ReadMusicList(const std::string& manifestPath, const std::string& workDir,
                                     std::string& error) {
    std::vector<MusicFile> files;
    std::ifstream manifest(manifestPath);
    if (!manifest) {
        error = "cannot open " + manifestPath;
        return files;
    }
    std::string line;
    while (std::getline(manifest, line)) {
        if (line.empty() || line[0] == '#' || line.find_first_not_of(" \t") == std::string::npos) {
            continue;
        }
        std::istringstream in(line);
        MusicFile entry;
        in >> entry.piece >> entry.role >> std::ws;
        std::getline(in, entry.file);
        files.push_back(entry);
    }
    std::map<std::string, std::map<std::string, int64_t>> recorded;
    for (const MusicFile& entry : files) {
        if (recorded.count(entry.piece)) {
            continue;
        }
        const std::string path = workDir + "/" + entry.piece + ".lengths";
        std::ifstream lengths(path);
        if (!lengths) {
            error = "cannot open " + path;
            return files;
        }
        auto& byFile = recorded[entry.piece];
        int64_t frames = 0;
        while (lengths >> frames >> std::ws && std::getline(lengths, line)) {
            byFile[line] = frames;
        }
    }
    for (MusicFile& entry : files) {
        auto& byFile = recorded[entry.piece];
        auto found = byFile.find(entry.file);
        if (found != byFile.end()) {
            entry.expectedFrames = found->second;
        }
    }
    return files;
}
