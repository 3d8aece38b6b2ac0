#include "IntroJoin.h"

#include <algorithm>

namespace musicgen {

void BlendIntroIntoLoopEnd(StereoBuffer& audio, int64_t loopStart, int64_t loopLength,
                           int64_t frames) {
    frames = std::min(frames, loopStart);
    for (int64_t i = 0; i < frames; ++i) {
        const int64_t at = loopStart - frames + i;
        // Reaches the loop's end fully on the intro's last frame.
        const float toLoop = static_cast<float>(i + 1) / static_cast<float>(frames);
        audio.left[at] += toLoop * (audio.left[at + loopLength] - audio.left[at]);
        audio.right[at] += toLoop * (audio.right[at + loopLength] - audio.right[at]);
    }
}

} // namespace musicgen
