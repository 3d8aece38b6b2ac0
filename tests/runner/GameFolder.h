#pragma once
// A game folder of a run's own (the data linked in, settings and ranking its
// own), so that what a run writes never touches the build's game folder, and
// the per-frame trace read back.
#include "app/Runner.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace runtest {

struct Frame {
    std::string scene;
    std::string line;

    // The text of a "key":"value" field, or empty.
    std::string Text(const std::string& key) const {
        const std::string tag = "\"" + key + "\":\"";
        const size_t at = line.find(tag);
        if (at == std::string::npos) {
            return "";
        }
        const size_t from = at + tag.size();
        return line.substr(from, line.find('"', from) - from);
    }
    // The number of a "key":number field, or -1.
    long Number(const std::string& key) const {
        const std::string tag = "\"" + key + "\":";
        const size_t at = line.find(tag);
        return at == std::string::npos ? -1
                                       : std::strtol(line.c_str() + at + tag.size(), nullptr, 10);
    }
};

class GameFolder {
public:
    GameFolder(const std::string& settings, const std::string& ranking) {
        char folder[] = "/tmp/vrels-flow-XXXXXX";
        if (mkdtemp(folder)) {
            dir = folder;
        }
        for (const char* data : {"gfx", "map", "bgm", "se", "adv"}) {
            const std::string target = std::string(VRELS_GAME_DIR) + "/" + data;
            if (symlink(target.c_str(), (dir + "/" + data).c_str()) != 0) {
                std::perror("symlink");
            }
        }
        std::ofstream(dir + "/vrels.ini") << settings;
        if (!ranking.empty()) {
            std::ofstream(dir + "/score.ini") << ranking;
        }
    }
    // Removes the links themselves, never what they point to.
    ~GameFolder() { std::filesystem::remove_all(dir); }
    std::string Read(const std::string& name) const {
        std::ifstream in(dir + "/" + name, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    std::vector<Frame> Run(const std::string& scene, int frames, const std::string& keys) const {
        return Run(scene, frames, keys, vrels::RunnerOptions());
    }
    // The same with further runner options (an --audio-out file, say).
    std::vector<Frame> Run(const std::string& scene, int frames, const std::string& keys,
                           vrels::RunnerOptions options) const {
        options.dir = dir;
        options.scene = scene;
        options.frames = frames;
        options.traceFile = dir + "/trace.jsonl";
        options.keysFile = dir + "/keys.txt";
        std::ofstream(options.keysFile) << keys;
        EXPECT_EQ(vrels::RunHeadless(options), 0);
        std::vector<Frame> trace(1);
        std::ifstream in(options.traceFile);
        Frame f;
        while (std::getline(in, f.line)) {
            f.scene = f.Text("scene");
            trace.push_back(f);
        }
        return trace;
    }

    std::string dir;
};

// The first frame step at or after `from` that shows the scene, or 0.
inline size_t FirstOf(const std::vector<Frame>& t, const std::string& scene, size_t from = 1) {
    for (size_t i = from; i < t.size(); ++i) {
        if (t[i].scene == scene) {
            return i;
        }
    }
    return 0;
}

} // namespace runtest
