// Every stage of both courses played through the headless runner with its key
// script (tests/data/stages/<map>.keys, found by vrels-autoplay): the heroine
// reaches the goal without a miss, and the clear hands over to the next stage.
// A change to physics, enemies or a map that breaks a stage names the stage.
#include "app/Runner.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <ostream>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct StageCase {
    const char* map;   // map and key script name
    const char* scene; // the stage class
    const char* next;  // the scene a clear leads to
};

const StageCase kStages[] = {
    {"stage1_1", "Stage1_1Scene", "Stage1_2Scene"},
    {"stage1_2", "Stage1_2Scene", "Stage1_3Scene"},
    {"stage1_3", "Stage1_3Scene", "Stage1_4Scene"},
    {"stage1_4", "Stage1_4Scene", "Stage1bossScene"},
    {"stage1_boss", "Stage1bossScene", "Stage2_1Scene"},
    {"stage2_1", "Stage2_1Scene", "Stage2_2Scene"},
    {"stage2_2", "Stage2_2Scene", "Stage2_3Scene"},
    {"stage2_3", "Stage2_3Scene", "Stage2_4Scene"},
    {"stage2_4", "Stage2_4Scene", "Stage2bossScene"},
    {"stage2_boss", "Stage2bossScene", "Stage3_1Scene"},
    {"stage3_1", "Stage3_1Scene", "Stage3_2Scene"},
    {"stage3_2", "Stage3_2Scene", "Stage3_3Scene"},
    {"stage3_3", "Stage3_3Scene", "Stage3_4Scene"},
    {"stage3_4", "Stage3_4Scene", "Stage3bossScene"},
    {"stage3_boss", "Stage3bossScene", "Stage4_1Scene"},
    {"stage4_1", "Stage4_1Scene", "Stage4_2Scene"},
    {"stage4_2", "Stage4_2Scene", "Stage4_3Scene"},
    {"stage4_3", "Stage4_3Scene", "Stage5_1Scene"},
    {"stage5_1", "Stage5_1Scene", "Stage5_2Scene"},
    {"stage5_2", "Stage5_2Scene", "Stage5_3Scene"},
    {"stage5_3", "Stage5_3Scene", "Stage5_4Scene"},
    {"stage5_4", "Stage5_4Scene", "Stage5bossScene"},
    {"stage5_boss", "Stage5bossScene", "EndScene"},
    {"trial1_1", "Trial1_1Scene", "Trial1_2Scene"},
    {"trial1_2", "Trial1_2Scene", "Trial1_3Scene"},
    {"trial1_3", "Trial1_3Scene", "TrialBossScene"},
    {"trial_boss", "TrialBossScene", "TrialEndScene"},
};

// Failures name the stage by its map.
void PrintTo(const StageCase& stage, std::ostream* out) {
    *out << stage.map;
}

// Frames after the script's last line: the clear sequence and its fade.
constexpr int kClearFrames = 420;

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

// The frame step of the script's last line.
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

// A game folder of the test's own: links to the built game's data, so that
// the progress and replays the stages write stay out of the build.
class ScratchGameFolder {
public:
    ScratchGameFolder() {
        char pattern[] = "/tmp/vrels-stage-clear-XXXXXX";
        if (!mkdtemp(pattern)) {
            return;
        }
        path = pattern;
        for (const auto& entry : fs::directory_iterator(VRELS_GAME_DIR)) {
            const std::string name = entry.path().filename().string();
            if (name != "replay" && name != "log.txt" && name != "vrels.ini" &&
                name != "score.ini") {
                fs::create_symlink(entry.path(), fs::path(path) / name);
            }
        }
        fs::create_directory(fs::path(path) / "replay");
    }
    ~ScratchGameFolder() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
    std::string path;
};

class StageClear : public ::testing::TestWithParam<StageCase> {};

} // namespace

TEST_P(StageClear, TheKeyScriptReachesTheGoalWithoutAMiss) {
    const StageCase& stage = GetParam();
    const std::string keys = std::string(VRELS_TEST_DATA_DIR) + "/stages/" + stage.map + ".keys";
    if (!fs::exists(keys)) {
        // A stage the search has not cleared yet shows as skipped, by name.
        GTEST_SKIP() << stage.map << ": no key script yet (scripts/stage-scripts.sh " << stage.map
                     << ")";
    }
    ScratchGameFolder folder;
    ASSERT_FALSE(folder.path.empty());

    vrels::RunnerOptions options;
    options.dir = folder.path;
    options.scene = stage.scene;
    options.frames = LastScriptFrame(keys) + kClearFrames;
    options.keysFile = keys;
    options.traceFile = folder.path + "/trace.jsonl";
    ASSERT_EQ(vrels::RunHeadless(options), 0) << stage.map;

    std::ifstream trace(options.traceFile);
    std::string line;
    int frame = 0;
    int goalFrame = 0;
    std::string handedTo;
    while (std::getline(trace, line)) {
        ++frame;
        const std::string scene = Field(line, "scene");
        if (scene != stage.scene) {
            handedTo = scene;
            break;
        }
        if (goalFrame == 0) {
            ASSERT_EQ(Field(line, "lifeState"), "0")
                << stage.map << ": the heroine misses at frame " << frame;
            if (Field(line, "goalReached") == "true") {
                goalFrame = frame;
            }
        }
    }
    ASSERT_NE(goalFrame, 0) << stage.map << ": the goal was never reached in " << frame
                            << " frames";
    EXPECT_EQ(handedTo, stage.next) << stage.map << ": the clear did not lead on";
}

INSTANTIATE_TEST_SUITE_P(AllStages, StageClear, ::testing::ValuesIn(kStages),
                         [](const ::testing::TestParamInfo<StageCase>& info) {
                             return std::string(info.param.map);
                         });
