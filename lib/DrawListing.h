#pragma once
// A frame's draws as text, one line a draw in drawing order: what each quad
// showed (texture and source rectangle), where and how (position, centre,
// scale, angle, flips, or the corners of a free quad), and how it was blended.
// Numbers are rounded to thousandths so that listings compare as text and
// read in a review:
//
//   12 sprite "NormalFont" rect 96,64,128,96 at 100,50 centre 0,0 scale 0.8 angle 0 alpha 255 blend
//   1
#include "lib/RecordingBackend.h"

#include <string>
#include <vector>

namespace vrels {

// One draw; order is its place in the frame, from 0.
std::string DrawListingLine(const DrawRecord& draw, int order);
// The draws from `first` on, one line each, numbered from 0.
std::string DrawListing(const std::vector<DrawRecord>& draws, size_t first = 0);

} // namespace vrels
