#include "SeamBlend.h"

#include <algorithm>
#include <stdexcept>

namespace musicgen {

void BlendInto(StereoBuffer& audio, int64_t end, int64_t offset, int64_t frames) {
    if (end > audio.Frames() || end + offset > audio.Frames()) {
        throw std::out_of_range("seam blend reaches past the end of the render");
    }
    frames = std::min({frames, end, end + offset});
    for (int64_t i = 0; i < frames; ++i) {
        const int64_t at = end - frames + i;
        const float toSource = static_cast<float>(i + 1) / static_cast<float>(frames);
        audio.left[at] += toSource * (audio.left[at + offset] - audio.left[at]);
        audio.right[at] += toSource * (audio.right[at + offset] - audio.right[at]);
    }
}

} // namespace musicgen
