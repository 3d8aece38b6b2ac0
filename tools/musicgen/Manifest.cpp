#include "Manifest.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace musicgen {

const char* RoleName(FileRole role) {
    switch (role) {
    case FileRole::Intro:
        return "intro";
    case FileRole::Loop:
        return "loop";
    case FileRole::Once:
        return "once";
    }
    return "?";
}

std::vector<ManifestEntry> ReadManifest(const std::string& path) {
    std::ifstream file(path);
    if (!file) {
        throw std::runtime_error("cannot open " + path);
    }
    std::vector<ManifestEntry> entries;
    std::string line;
    int lineNumber = 0;
    while (std::getline(file, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.find_first_not_of(" \t") == std::string::npos || line[0] == '#') {
            continue;
        }
        std::istringstream in(line);
        ManifestEntry entry;
        std::string role;
        in >> entry.piece >> role >> std::ws;
        std::getline(in, entry.file);
        if (role == "intro") {
            entry.role = FileRole::Intro;
        } else if (role == "loop") {
            entry.role = FileRole::Loop;
        } else if (role == "once") {
            entry.role = FileRole::Once;
        } else {
            throw std::runtime_error(path + ":" + std::to_string(lineNumber) + ": unknown role \"" +
                                     role + "\"");
        }
        if (entry.piece.empty() || entry.file.empty()) {
            throw std::runtime_error(path + ":" + std::to_string(lineNumber) +
                                     ": expected \"piece role file\"");
        }
        entries.push_back(entry);
    }
    return entries;
}

} // namespace musicgen
