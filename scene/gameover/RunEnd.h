#pragma once
// What follows the end of a run: the name entry when the run's score takes a
// place in the ranking, else the title.
#include <string>

namespace vrels {
// Records the run's score as the one to rank (once, when the run ends).
void EndRun();
// "NameEntryScene" when the ranked score is above some entry, else "TitleScene".
std::string SceneAfterRun();
} // namespace vrels
