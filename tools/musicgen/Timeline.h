#pragma once

#include "MidiFile.h"
#include "PieceLayout.h"

#include <cstdint>
#include <vector>

namespace musicgen {

struct TimedEvent {
    int64_t sample = 0;
    MidiEvent event;
};

// The MIDI events placed at sample positions for one continuous render. A
// looping piece is laid out as intro, loop pass 1, loop pass 2: the loop file
// is cut from pass 2, so its start carries the release tails of pass 1 just as
// it will carry its own tails when it repeats.
struct Timeline {
    std::vector<TimedEvent> events; // in playing order
    int64_t loopStart = 0;          // first sample of loop pass 1 (= intro length)
    int64_t loopLength = 0;         // samples per loop pass, 0 for a piece that plays once
    int64_t totalSamples = 0;       // samples to render
};

// The synthesiser applies events on a grid of this many samples, so loop
// lengths are made a multiple of it and every pass lands on the grid alike.
constexpr int64_t kSynthBlock = 64;

// Throws std::runtime_error when the song is shorter than the layout asks for.
Timeline BuildTimeline(const MidiSong& song, const PieceLayout& layout, int sampleRate);

} // namespace musicgen
