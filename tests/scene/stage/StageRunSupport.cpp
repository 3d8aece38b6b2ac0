#include "StageRunSupport.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace fs = std::filesystem;

namespace stagerun {

const StageCase kStages[27] = {
    {"stage1_1", "Stage1_1Scene", "Stage1_2Scene", 11, true},
    {"stage1_2", "Stage1_2Scene", "Stage1_3Scene", 12, true},
    {"stage1_3", "Stage1_3Scene", "Stage1_4Scene", 13, true},
    {"stage1_4", "Stage1_4Scene", "Stage1bossScene", 14, true},
    {"stage1_boss", "Stage1bossScene", "Stage2_1Scene", 15, true},
    {"stage2_1", "Stage2_1Scene", "Stage2_2Scene", 21, true},
    {"stage2_2", "Stage2_2Scene", "Stage2_3Scene", 22, true},
    {"stage2_3", "Stage2_3Scene", "Stage2_4Scene", 23, true},
    {"stage2_4", "Stage2_4Scene", "Stage2bossScene", 24, true},
    {"stage2_boss", "Stage2bossScene", "Stage3_1Scene", 25, true},
    {"stage3_1", "Stage3_1Scene", "Stage3_2Scene", 31, true},
    {"stage3_2", "Stage3_2Scene", "Stage3_3Scene", 32, true},
    {"stage3_3", "Stage3_3Scene", "Stage3_4Scene", 33, true},
    {"stage3_4", "Stage3_4Scene", "Stage3bossScene", 34, true},
    {"stage3_boss", "Stage3bossScene", "Stage4_1Scene", 35, true},
    {"stage4_1", "Stage4_1Scene", "Stage4_2Scene", 41, true},
    {"stage4_2", "Stage4_2Scene", "Stage4_3Scene", 42, true},
    {"stage4_3", "Stage4_3Scene", "Stage5_1Scene", 43, true},
    {"stage5_1", "Stage5_1Scene", "Stage5_2Scene", 51, true},
    {"stage5_2", "Stage5_2Scene", "Stage5_3Scene", 52, true},
    {"stage5_3", "Stage5_3Scene", "Stage5_4Scene", 53, true},
    {"stage5_4", "Stage5_4Scene", "Stage5bossScene", 54, true},
    {"stage5_boss", "Stage5bossScene", "EndScene", 55, true},
    {"trial1_1", "Trial1_1Scene", "Trial1_2Scene", 22, false},
    {"trial1_2", "Trial1_2Scene", "Trial1_3Scene", 22, false},
    {"trial1_3", "Trial1_3Scene", "TrialBossScene", 22, false},
    {"trial_boss", "TrialBossScene", "TrialEndScene", 15, false},
};

void PrintTo(const StageCase& stage, std::ostream* out) {
    *out << stage.map;
}

std::string KeyScriptPath(const StageCase& stage) {
    return std::string(VRELS_TEST_DATA_DIR) + "/stages/" + stage.map + ".keys";
}

std::string Field(const std::string& line, const std::string& key) {
    const size_t at = line.find("\"" + key + "\":");
    if (at == std::string::npos) {
        return "";
    }
    size_t start = at + key.size() + 3;
    if (line[start] == '"') {
        ++start;
        return line.substr(start, line.find('"', start) - start);
    }
    return line.substr(start, line.find_first_of(",}]", start) - start);
}

StageOutcome ReadStageTrace(const std::string& traceFile, const std::string& scene) {
    StageOutcome outcome;
    std::ifstream trace(traceFile);
    std::string line;
    while (std::getline(trace, line)) {
        ++outcome.frames;
        const std::string now = Field(line, "scene");
        if (now != scene) {
            outcome.handedTo = now;
            break;
        }
        if (outcome.goalFrame == 0 && outcome.missFrame == 0) {
            if (Field(line, "lifeState") != "0") {
                outcome.missFrame = outcome.frames;
            } else if (Field(line, "goalReached") == "true") {
                outcome.goalFrame = outcome.frames;
            }
        }
    }
    return outcome;
}

int LastScriptFrame(const std::string& file) {
    std::ifstream in(file);
    std::string line;
    int last = 0;
    while (std::getline(in, line)) {
        std::istringstream words(line.substr(0, line.find('#')));
        int frame = 0;
        if (words >> frame) {
            last = frame;
        }
    }
    return last;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

ScratchGameFolder::ScratchGameFolder() {
    char pattern[] = "/tmp/vrels-stage-run-XXXXXX";
    if (!mkdtemp(pattern)) {
        return;
    }
    path = pattern;
    for (const auto& entry : fs::directory_iterator(VRELS_GAME_DIR)) {
        const std::string name = entry.path().filename().string();
        if (name != "replay" && name != "log.txt" && name != "vrels.ini" && name != "score.ini") {
            fs::create_symlink(entry.path(), fs::path(path) / name);
        }
    }
    fs::create_directory(fs::path(path) / "replay");
}

ScratchGameFolder::~ScratchGameFolder() {
    std::error_code ignored;
    fs::remove_all(path, ignored);
}

} // namespace stagerun
