#include "Timeline.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace musicgen {

namespace {

// Simultaneous events: releases first, then controllers and programs, then new
// notes, so a note repeated on the same key is cut before it sounds again.
int PriorityOf(const MidiEvent& event) {
    if (event.IsNoteOff()) {
        return 0;
    }
    return event.IsNoteOn() ? 2 : 1;
}

void SortForPlaying(std::vector<TimedEvent>& events) {
    std::stable_sort(events.begin(), events.end(), [](const TimedEvent& a, const TimedEvent& b) {
        if (a.sample != b.sample) {
            return a.sample < b.sample;
        }
        int pa = PriorityOf(a.event);
        int pb = PriorityOf(b.event);
        if (pa != pb) {
            return pa < pb;
        }
        return a.event.order < b.event.order;
    });
}

Timeline OncePiece(const MidiSong& song, const PieceLayout& layout, int sampleRate) {
    Timeline timeline;
    for (const MidiEvent& event : song.events) {
        int64_t sample = std::llround(song.SecondsAt(event.tick) * sampleRate);
        timeline.events.push_back({sample, event});
    }
    int64_t end = std::llround(song.SecondsAt(song.LastTick()) * sampleRate);
    timeline.totalSamples = end + std::llround(layout.tailSeconds * sampleRate);
    SortForPlaying(timeline.events);
    return timeline;
}

Timeline LoopingPiece(const MidiSong& song, const PieceLayout& layout, int sampleRate) {
    const int64_t bar = layout.BarTicks(song.ticksPerQuarter);
    const int64_t loopStartTick = bar * layout.introBars;
    const int64_t loopEndTick = loopStartTick + bar * layout.loopBars;
    if (song.LastTick() <= loopEndTick - bar) {
        throw std::runtime_error("the music ends before the last bar of the loop");
    }

    // Stretch time by a tiny factor (well under a hundredth of a percent) so
    // that one pass is a whole number of synthesiser blocks.
    const double rawLoop =
        (song.SecondsAt(loopEndTick) - song.SecondsAt(loopStartTick)) * sampleRate;
    const int64_t loopLength =
        std::max<int64_t>(1, std::llround(rawLoop / kSynthBlock)) * kSynthBlock;
    const double samplesPerSecond = sampleRate * (loopLength / rawLoop);
    auto sampleAt = [&](int64_t tick) {
        return std::llround(song.SecondsAt(tick) * samplesPerSecond);
    };

    Timeline timeline;
    timeline.loopStart = sampleAt(loopStartTick);
    timeline.loopLength = loopLength;
    timeline.totalSamples = timeline.loopStart + 2 * loopLength;

    int ignored = 0;
    for (const MidiEvent& event : song.events) {
        const bool inIntro =
            event.tick < loopStartTick || (event.tick == loopStartTick && event.IsNoteOff());
        const bool inLoop = !inIntro && (event.tick < loopEndTick ||
                                         (event.tick == loopEndTick && event.IsNoteOff()));
        const int64_t sample = sampleAt(event.tick);
        if (inIntro) {
            timeline.events.push_back({sample, event});
        } else if (inLoop) {
            timeline.events.push_back({sample, event});
            timeline.events.push_back({sample + loopLength, event});
        } else if (event.IsNoteOn()) {
            ++ignored;
        }
    }
    if (ignored > 0) {
        std::fprintf(stderr, "musicgen: %d notes after the end of the loop are not played\n",
                     ignored);
    }
    SortForPlaying(timeline.events);
    return timeline;
}

} // namespace

Timeline BuildTimeline(const MidiSong& song, const PieceLayout& layout, int sampleRate) {
    return layout.Loops() ? LoopingPiece(song, layout, sampleRate)
                          : OncePiece(song, layout, sampleRate);
}

} // namespace musicgen
