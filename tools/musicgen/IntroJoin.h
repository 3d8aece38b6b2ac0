#pragma once

#include "StereoBuffer.h"

#include <cstdint>

namespace musicgen {

// The loop file starts where loop pass 1 ends, so it carries the tails of the
// loop's last bar, while the intro file ends with the tails of the intro's
// last bar. Over the last `frames` frames of the intro this blends the intro
// into the end of loop pass 1 (the same position one loop later), so the
// intro's final sample flows straight into the loop file's first sample.
void BlendIntroIntoLoopEnd(StereoBuffer& audio, int64_t loopStart, int64_t loopLength,
                           int64_t frames);

} // namespace musicgen
