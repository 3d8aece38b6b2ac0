#pragma once
// Stage display names ("STAGE 1-2", "STAGE 3 boss") and the scenes that play
// them, shared by the stage select and the title's attract demo.
#include <string>

namespace vrels {

// "Stage1_2Scene" for "STAGE 1-2", "Stage3bossScene" for "STAGE 3 boss",
// "Stage0Scene" for "TEST STAGE", "EndScene" for "Ending"; empty for any
// other text.
std::string SceneForStageName(const std::string& stageName);

// The world number a stage name stands for: its first digit, 0 for "TEST STAGE".
int WorldOfStageName(const std::string& stageName);

} // namespace vrels
