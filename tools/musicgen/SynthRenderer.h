#pragma once

#include "StereoBuffer.h"
#include "Timeline.h"

#include <memory>
#include <string>

namespace musicgen {

// Plays a timeline through a General MIDI sound bank with libfluidsynth,
// offline and deterministically (no chorus, whose free-running modulation
// would make two passes of a loop differ).
class SynthRenderer {
public:
    // Throws std::runtime_error when the synthesiser or the bank cannot be set up.
    SynthRenderer(const std::string& soundFontPath, int sampleRate);
    ~SynthRenderer();
    SynthRenderer(const SynthRenderer&) = delete;
    SynthRenderer& operator=(const SynthRenderer&) = delete;

    StereoBuffer Render(const Timeline& timeline);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace musicgen
