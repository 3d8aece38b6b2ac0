// Every stage of both courses played through the headless runner with its key
// script (tests/data/stages/<map>.keys, found by vrels-autoplay): the heroine
// reaches the goal without a miss, and the clear hands over to the next stage.
// A change to physics, enemies or a map that breaks a stage names the stage.
#include "StageRunSupport.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace fs = std::filesystem;
using stagerun::kStages;
using stagerun::StageCase;

namespace {

class StageClear : public ::testing::TestWithParam<StageCase> {};

} // namespace

TEST_P(StageClear, TheKeyScriptReachesTheGoalWithoutAMiss) {
    const StageCase& stage = GetParam();
    const std::string keys = stagerun::KeyScriptPath(stage);
    if (!fs::exists(keys)) {
        // A stage the search has not cleared yet shows as skipped, by name.
        GTEST_SKIP() << stage.map << ": no key script yet (scripts/stage-scripts.sh " << stage.map
                     << ")";
    }
    stagerun::ScratchGameFolder folder;
    ASSERT_FALSE(folder.path.empty());

    // The trace stays in the build for the tests that measure the clear.
    const std::string trace = stagerun::ClearTracePath(stage);
    ASSERT_EQ(stagerun::PlayScript(stage, keys, folder.path, trace), 0) << stage.map;

    const stagerun::StageOutcome run = stagerun::ReadStageTrace(trace, stage.scene);
    ASSERT_EQ(run.missFrame, 0) << stage.map << ": the heroine misses at frame " << run.missFrame;
    ASSERT_NE(run.goalFrame, 0) << stage.map << ": the goal was never reached in " << run.frames
                                << " frames";
    EXPECT_EQ(run.handedTo, stage.next) << stage.map << ": the clear did not lead on";
    // A clear keeps its replay for the attract demo, except on the trial
    // course: its numbers belong to full-course stages, whose demo would
    // play the run on the wrong map.
    EXPECT_EQ(fs::exists(folder.path + "/replay/" + std::to_string(stage.progress) + ".rec"),
              stage.fullCourse)
        << stage.map;
}

INSTANTIATE_TEST_SUITE_P(AllStages, StageClear, ::testing::ValuesIn(kStages),
                         [](const ::testing::TestParamInfo<StageCase>& info) {
                             return std::string(info.param.map);
                         });
