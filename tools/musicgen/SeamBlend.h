#pragma once

#include "StereoBuffer.h"

#include <cstdint>

namespace musicgen {

// Cross-fades the `frames` frames before `end` into the audio `offset` frames
// away, reaching it fully on the frame just before `end`. The file that ends
// at `end` then flows into whatever follows the frame at end - 1 + offset.
//
// Both joins of a looping piece use it. The intro (ending at the loop start)
// blends into the end of loop pass 1 (offset +L), whose next frame starts the
// loop file. The loop file (pass 2) blends into the end of pass 1 (offset -L)
// for the same reason. The passes already render nearly alike, so the blend
// only removes what differs: the intro's own tails, and the synthesiser's
// free-running reverb modulation.
void BlendInto(StereoBuffer& audio, int64_t end, int64_t offset, int64_t frames);

} // namespace musicgen
