#include "StageRunSupport.h"

#include "app/Runner.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <unistd.h>
#include <vector>

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

std::string SecretScriptPath(const StageCase& stage) {
    return std::string(VRELS_TEST_DATA_DIR) + "/stages/" + stage.map + ".secret.keys";
}

// Frames after a script's last line: the clear sequence and its fade.
constexpr int kClearFrames = 420;

int PlayScript(const StageCase& stage, const std::string& keys, const std::string& folder,
               const std::string& traceFile) {
    std::error_code ignored;
    fs::create_directories(fs::path(traceFile).parent_path(), ignored);
    const std::string partial = traceFile + ".part" + std::to_string(getpid());
    vrels::RunnerOptions options;
    options.dir = folder;
    options.scene = stage.scene;
    options.frames = LastScriptFrame(keys) + kClearFrames;
    options.keysFile = keys;
    options.traceFile = partial;
    const int code = vrels::RunHeadless(options);
    fs::rename(partial, traceFile, ignored);
    return code;
}

std::string ClearTracePath(const StageCase& stage) {
    return (fs::path(VRELS_GAME_DIR).parent_path() / "stage-traces" / stage.map).string() +
           ".jsonl";
}

namespace {

float Number(const std::string& line, const std::string& key) {
    const std::string text = Field(line, key);
    return text.empty() ? 0.0f : std::stof(text);
}

// A kept trace is good while it is newer than everything that made it.
bool Fresh(const std::string& trace, const std::vector<std::string>& sources) {
    std::error_code error;
    const auto made = fs::last_write_time(trace, error);
    if (error) {
        return false;
    }
    for (const std::string& source : sources) {
        const auto changed = fs::last_write_time(source, error);
        if (error || changed > made) {
            return false;
        }
    }
    return true;
}

} // namespace

StageFigures ReadFigures(const std::string& traceFile, const std::string& scene) {
    StageFigures figures;
    std::ifstream trace(traceFile);
    std::string line;
    int frame = 0;
    bool seen = false;
    float lastX = 0.0f;
    while (std::getline(trace, line) && figures.goalFrame == 0 && figures.missFrame == 0) {
        ++frame;
        if (Field(line, "scene") != scene) {
            break;
        }
        if (Field(line, "vState") != "" && Field(line, "vState") != "2") {
            figures.tall = true;
        }
        const int lives = static_cast<int>(Number(line, "lives"));
        figures.livesAtStart = frame == 1 ? lives : figures.livesAtStart;
        if (Field(line, "player").empty()) {
            continue;
        }
        if (Field(line, "lifeState") != "0") {
            figures.missFrame = frame;
            break;
        }
        // The view's top-left corner lies at map pixel (col x 32 - subX, row x 32 - subY).
        const float x = Number(line, "col") * 32 - Number(line, "subX") + Number(line, "x");
        const float y = Number(line, "row") * 32 - Number(line, "subY") + Number(line, "y");
        figures.top = seen ? std::min(figures.top, y) : y;
        figures.bottom = seen ? std::max(figures.bottom, y) : y;
        figures.leftFrames += seen && x < lastX ? 1 : 0;
        lastX = x;
        seen = true;
        if (Field(line, "jumpState") == "0") {
            figures.rows.insert(static_cast<int>(std::lround(y / 32)));
        }
        if (Field(line, "goalReached") == "true") {
            figures.goalFrame = frame;
            figures.livesAtGoal = lives;
            figures.scoreAtGoal = static_cast<int>(Number(line, "score"));
        }
    }
    return figures;
}

StageFigures RunFigures(const StageCase& stage, const std::string& keys) {
    ScratchGameFolder folder;
    const std::string trace = folder.path + "/trace.jsonl";
    if (folder.path.empty() || PlayScript(stage, keys, folder.path, trace) != 0) {
        return {};
    }
    return ReadFigures(trace, stage.scene);
}

StageFigures ClearFigures(const StageCase& stage) {
    const std::string trace = ClearTracePath(stage);
    const std::string map = std::string(VRELS_GAME_DIR) + "/map/" + stage.map + ".tm2";
    if (!Fresh(trace, {KeyScriptPath(stage), map, "/proc/self/exe"})) {
        ScratchGameFolder folder;
        if (folder.path.empty() ||
            PlayScript(stage, KeyScriptPath(stage), folder.path, trace) != 0) {
            return {};
        }
    }
    return ReadFigures(trace, stage.scene);
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
