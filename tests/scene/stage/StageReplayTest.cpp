// The attract demo's replays (content/replay/<progress>.rec, copied into the
// game folder by the build): each full-course stage ships one, it is exactly
// what the game writes when its key script clears the stage today, and the
// demo plays it back to the goal. A physics or enemy change that alters a
// clear shows here as a stale replay (rewrite it with scripts/stage-replays.sh).
#include "StageRunSupport.h"
#include "app/Runner.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace fs = std::filesystem;
using stagerun::StageCase;

namespace {

// The demo runs the conversations at their own pace (nothing hurries them),
// so a boss stage's demo takes much longer than its replay holds: the last
// stage's two conversations run about two minutes each.
constexpr int kDemoExtraFrames = 18000;

std::string ShippedReplay(const StageCase& stage) {
    return std::string(VRELS_SOURCE_DIR) + "/content/replay/" + std::to_string(stage.progress) +
           ".rec";
}

class StageReplay : public ::testing::TestWithParam<StageCase> {
protected:
    void SetUp() override {
        const StageCase& stage = GetParam();
        if (!fs::exists(stagerun::KeyScriptPath(stage))) {
            GTEST_SKIP() << stage.map << ": no key script yet";
        }
        shipped = stagerun::ReadBytes(ShippedReplay(stage));
        ASSERT_FALSE(shipped.empty()) << stage.map << ": no replay " << ShippedReplay(stage)
                                      << " (scripts/stage-replays.sh " << stage.map << ")";
        ASSERT_FALSE(folder.path.empty());
    }

    stagerun::ScratchGameFolder folder;
    std::string shipped;
};

std::vector<StageCase> FullCourse() {
    std::vector<StageCase> stages;
    for (const StageCase& stage : stagerun::kStages) {
        if (stage.fullCourse) {
            stages.push_back(stage);
        }
    }
    return stages;
}

} // namespace

TEST_P(StageReplay, TheShippedReplayIsWhatTheKeyScriptRecords) {
    const StageCase& stage = GetParam();
    const std::string keys = stagerun::KeyScriptPath(stage);
    vrels::RunnerOptions options;
    options.dir = folder.path;
    options.scene = stage.scene;
    options.frames = stagerun::LastScriptFrame(keys) + 420;
    options.keysFile = keys;
    ASSERT_EQ(vrels::RunHeadless(options), 0) << stage.map;

    const std::string written =
        stagerun::ReadBytes(folder.path + "/replay/" + std::to_string(stage.progress) + ".rec");
    ASSERT_FALSE(written.empty()) << stage.map << ": the clear wrote no replay";
    EXPECT_TRUE(written == shipped)
        << stage.map << ": the shipped replay is stale (" << shipped.size() << " frames shipped, "
        << written.size() << " recorded today)";
    // The build puts the shipped replay into the game folder.
    EXPECT_TRUE(fs::exists(std::string(VRELS_GAME_DIR) + "/replay/" +
                           std::to_string(stage.progress) + ".rec"))
        << stage.map;
}

TEST_P(StageReplay, TheDemoPlaysItToTheGoal) {
    const StageCase& stage = GetParam();
    const std::string replay = folder.path + "/replay/" + std::to_string(stage.progress) + ".rec";
    std::ofstream(replay, std::ios::binary) << shipped;

    vrels::RunnerOptions options;
    options.dir = folder.path;
    options.scene = stage.scene;
    options.demo = true;
    options.frames = static_cast<int>(shipped.size()) + kDemoExtraFrames;
    options.traceFile = folder.path + "/trace.jsonl";
    ASSERT_EQ(vrels::RunHeadless(options), 0) << stage.map;

    const stagerun::StageOutcome run = stagerun::ReadStageTrace(options.traceFile, stage.scene);
    ASSERT_EQ(run.missFrame, 0) << stage.map << ": the demo misses at frame " << run.missFrame;
    ASSERT_NE(run.goalFrame, 0) << stage.map << ": the demo never reached the goal in "
                                << run.frames << " frames";
    // A demo that reaches the goal returns to the title.
    EXPECT_EQ(run.handedTo, "TitleScene") << stage.map;
    // Nothing is written in demo play: the replay stays as shipped.
    EXPECT_TRUE(stagerun::ReadBytes(replay) == shipped) << stage.map;
}

INSTANTIATE_TEST_SUITE_P(FullCourse, StageReplay, ::testing::ValuesIn(FullCourse()),
                         [](const ::testing::TestParamInfo<StageCase>& info) {
                             return std::string(info.param.map);
                         });
