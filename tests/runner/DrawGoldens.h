#pragma once
// Golden draw listings: a headless run lists every draw of chosen frames
// (runner option --draws-at) and each listing is compared with a file under
// tests/data/draws. After an intended change to what a scene draws,
// scripts/update-draw-goldens.sh rewrites them all (docs/draw-goldens.md).
#include "app/Runner.h"

#include <string>
#include <vector>

namespace drawgolden {

struct GoldenFrame {
    std::string name; // tests/data/draws/<name>.txt
    int frame;        // the frame step whose draws are listed
    // Textures the frame must show, so that a regenerated listing still
    // shows what the case is about.
    std::vector<std::string> mustShow;
};

// Runs the game with these options, listing the draws of every golden frame,
// and compares each listing with its golden file (or, with
// VRELS_UPDATE_DRAW_GOLDENS set, writes the golden files). Failures are
// reported as test failures naming the regeneration command.
void CheckGoldenFrames(vrels::RunnerOptions options, const std::vector<GoldenFrame>& frames);

// The message for a listing that differs from its golden: the file, the
// command that regenerates the goldens, and the first differing draws side by
// side. Empty when the two are equal.
std::string DescribeDifference(const std::string& goldenFile, const std::string& expected,
                               const std::string& actual);

} // namespace drawgolden
