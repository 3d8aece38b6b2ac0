#pragma once
// A review aid: the ending as the game composes it at a few moments of its
// roll (drifting backdrop, line art added on top, credits over both), and
// the trial's closing picture, saved as PNG screens.
#include <string>

namespace storygen {

// Reads gfx/bg/bg5.tga and gfx/end/*.tga from the game folder; writes
// "ending_<frame>.png" and "trial_end.png" into the mock folder. Returns
// the number of screens written.
int WriteEndingMocks(const std::string& gameDir, const std::string& mockDir);

} // namespace storygen
