#pragma once
// A review aid: plays each conversation the way the game does (portraits
// sliding in and out, lines rising through the reading band, the same frame
// counts) over a stage backdrop and the half-transparent veil, and saves one
// screen per line, four to a PNG sheet, so the story can be read and looked
// at before the game shows it.
#include "Story.h"

#include <string>

namespace storygen {

// Reads the built pictures (adv/*.tga, gfx/bg/*.tga) from the game folder
// and writes "mock_<conversation>_<n>.png" sheets into the mock folder.
// Returns the number of sheets written.
int WriteConversationMocks(const Story& story, const std::string& gameDir,
                           const std::string& mockDir);

} // namespace storygen
