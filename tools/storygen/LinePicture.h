#pragma once
// Sets one line of dialogue as a picture: the speaker's colour on a dark
// outline with a soft shadow, wrapped to the width the conversation screen
// leaves it.
#include "Canvas.h"
#include "Story.h"

#include <memory>

namespace storygen {

// The widest a line picture may be: lines start at x 50 (left speaker) or
// x 320 (right speaker) and must stay clear of the screen's right edge.
constexpr int kMaxLineWidth = 300;
constexpr int kMaxTextRows = 2;

// The picture, just large enough for its text. Throws when the text needs
// more than two rows at the widest picture.
std::unique_ptr<artgen::Canvas> RenderLine(const Line& line, const Speaker& speaker);

} // namespace storygen
