// Where the mirror stands on the screen when the heroine reaches it, read from
// the trace of each stage's clear and the stage's map: the whole mirror is on
// screen and its top stays clear of the score line at the top, however high
// the stage's last climb ends. (A mirror standing near a map's top row has no
// view above it to scroll to: the score would cover its frame.)
#include "StageRunSupport.h"

#include "world/TileMapFile.h"
#include "world/items/Goal.h"

#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using stagerun::StageCase;

namespace {

constexpr int kCell = 32;
constexpr int kScreenHeight = 480;
// The score line's text ends about 36 px down; the mirror's picture starts
// with some 20 px of clear margin above its frame, so 24 px keeps it clear.
constexpr int kScoreLineBottom = 24;

struct GoalCell {
    int column = -1;
    int row = -1;
};

GoalCell FindGoal(const std::string& mapFile) {
    const world::TileMapData map = world::ReadTileMap(mapFile);
    for (int row = 0; row < map.height; ++row) {
        for (int column = 0; column < map.width; ++column) {
            const world::MapCell& cell = map.cells[static_cast<size_t>(column + row * map.width)];
            // The mirror's code (8) as the cell's chip, or as its object over scenery.
            if ((!cell.Empty() && cell.chipX == 0 && cell.chipY == 8 * kCell) ||
                cell.objectCode == 8) {
                return {column, row};
            }
        }
    }
    return {};
}

// The top of the view, in map pixels, on the first frame with the goal reached.
bool ViewTopAtGoal(const std::string& traceFile, const std::string& scene, int& viewTop) {
    std::ifstream trace(traceFile);
    std::string line;
    while (std::getline(trace, line)) {
        if (stagerun::Field(line, "scene") != scene) {
            return false;
        }
        if (stagerun::Field(line, "goalReached") == "true") {
            viewTop = std::stoi(stagerun::Field(line, "row")) * kCell -
                      std::stoi(stagerun::Field(line, "subY"));
            return true;
        }
    }
    return false;
}

std::vector<StageCase> StagesWithAMirror() {
    std::vector<StageCase> stages;
    for (const StageCase& stage : stagerun::kStages) {
        if (std::string(stage.map).find("boss") == std::string::npos) {
            stages.push_back(stage);
        }
    }
    return stages;
}

class GoalInView : public ::testing::TestWithParam<StageCase> {};

} // namespace

TEST_P(GoalInView, TheWholeMirrorShowsBelowTheScoreWhenSheReachesIt) {
    const StageCase& stage = GetParam();
    const GoalCell goal = FindGoal(std::string(VRELS_GAME_DIR) + "/map/" + stage.map + ".tm2");
    ASSERT_GE(goal.row, 0) << stage.map << ": no mirror in the map";
    // Writes the clear's trace when the kept one is stale.
    ASSERT_NE(stagerun::ClearFigures(stage).goalFrame, 0) << stage.map << ": no clear";
    int viewTop = 0;
    ASSERT_TRUE(ViewTopAtGoal(stagerun::ClearTracePath(stage), stage.scene, viewTop)) << stage.map;
    // The mirror stands on the cell below its own, its picture Goal::StandHeight tall.
    const int foot = goal.row * kCell - viewTop;
    const int top = foot - static_cast<int>(Goal::StandHeight);
    EXPECT_GE(top, kScoreLineBottom)
        << stage.map << ": the mirror at column " << goal.column << ", row " << goal.row
        << " shows its top at y " << top << " under the score line; stand it lower";
    EXPECT_LE(foot + kCell, kScreenHeight) << stage.map << ": the mirror's foot is off screen";
}

INSTANTIATE_TEST_SUITE_P(PlayedStages, GoalInView, ::testing::ValuesIn(StagesWithAMirror()),
                         [](const ::testing::TestParamInfo<StageCase>& info) {
                             return std::string(info.param.map);
                         });
