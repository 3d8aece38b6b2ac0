#include "Timeline.h"
#include "SeamBlend.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <tuple>

using namespace musicgen;

namespace {

MidiEvent Note(int64_t tick, bool on, int key, int order) {
    MidiEvent e;
    e.tick = tick;
    e.status = on ? 0x90 : 0x80;
    e.data1 = static_cast<uint8_t>(key);
    e.data2 = on ? 100 : 0;
    e.order = order;
    return e;
}

// 4/4 at 150 bpm, 480 ticks a quarter: one bar is 1.6 s, 70560 samples.
MidiSong SongWithBars(int bars) {
    MidiSong song;
    song.tempos.push_back({0, 400000});
    int order = 0;
    for (int bar = 0; bar < bars; ++bar) {
        for (int beat = 0; beat < 4; ++beat) {
            const int64_t start = bar * 1920 + beat * 480;
            song.events.push_back(Note(start, true, 60 + beat, order++));
            song.events.push_back(Note(start + 480, false, 60 + beat, order++));
        }
    }
    return song;
}

PieceLayout Looping(int intro, int loop) {
    PieceLayout layout;
    layout.introBars = intro;
    layout.loopBars = loop;
    return layout;
}

// Events keyed by (sample, status, key), to compare passes.
std::multimap<int64_t, std::tuple<int, int>> EventsIn(const Timeline& t, int64_t from, int64_t to) {
    std::multimap<int64_t, std::tuple<int, int>> found;
    for (const TimedEvent& e : t.events) {
        if (e.sample >= from && e.sample < to) {
            found.emplace(e.sample - from,
                          std::make_tuple(int(e.event.status), int(e.event.data1)));
        }
    }
    return found;
}

} // namespace

TEST(TimelineTest, LoopPassesRepeatExactlyOnTheSynthGrid) {
    // 150 bpm with a slight tempo change inside the intro makes the raw loop
    // length a fraction of a block, which the timeline must round away.
    MidiSong song = SongWithBars(4);
    song.tempos.push_back({960, 401234});
    const Timeline t = BuildTimeline(song, Looping(1, 2), 44100);

    EXPECT_EQ(t.loopLength % kSynthBlock, 0);
    const double rawLoop = 2 * 4 * 0.401234 * 44100;
    EXPECT_NEAR(static_cast<double>(t.loopLength), rawLoop, kSynthBlock);
    EXPECT_EQ(t.totalSamples, t.loopStart + 2 * t.loopLength);

    const auto pass1 = EventsIn(t, t.loopStart, t.loopStart + t.loopLength);
    const auto pass2 = EventsIn(t, t.loopStart + t.loopLength, t.loopStart + 2 * t.loopLength);
    EXPECT_EQ(pass1.size(), 16u);
    EXPECT_EQ(pass1, pass2);
    // The fourth bar lies past the loop and is not played; only pass 2's
    // final release falls on the end of the render.
    const auto after = EventsIn(t, t.totalSamples, INT64_MAX);
    ASSERT_EQ(after.size(), 1u);
    EXPECT_EQ(std::get<0>(after.begin()->second), 0x80);
}

TEST(TimelineTest, ReleasesComeFirstAtTheLoopSeam) {
    const Timeline t = BuildTimeline(SongWithBars(3), Looping(1, 2), 44100);
    // Intro: 8 events; loop: 16 events twice. The loop's final release lands
    // on the next pass's first note and must be sent before it.
    EXPECT_EQ(t.events.size(), 8u + 2 * 16u);
    for (size_t i = 1; i < t.events.size(); ++i) {
        const TimedEvent& a = t.events[i - 1];
        const TimedEvent& b = t.events[i];
        ASSERT_LE(a.sample, b.sample);
        if (a.sample == b.sample) {
            EXPECT_FALSE(a.event.IsNoteOn() && b.event.IsNoteOff()) << "at sample " << a.sample;
        }
    }
}

TEST(TimelineTest, PieceThatPlaysOnceKeepsItsTailAndTooShortLoopsAreRefused) {
    PieceLayout once;
    once.tailSeconds = 2.0;
    const Timeline t = BuildTimeline(SongWithBars(2), once, 44100);
    EXPECT_EQ(t.loopLength, 0);
    EXPECT_EQ(t.totalSamples, 2 * 70560 + 88200);

    EXPECT_THROW(BuildTimeline(SongWithBars(2), Looping(1, 4), 44100), std::runtime_error);
}

TEST(TimelineTest, BlendedSeamsLeadIntoTheLoopFilesFirstFrame) {
    // A smooth signal that does not repeat with the loop stands in for a
    // render whose passes differ slightly.
    const int64_t loopStart = 1000;
    const int64_t loopLength = 640;
    StereoBuffer audio(loopStart + 2 * loopLength);
    for (int64_t i = 0; i < audio.Frames(); ++i) {
        audio.left[i] = audio.right[i] =
            static_cast<float>(i) * 1e-4f + 0.01f * static_cast<float>(std::sin(0.003 * i));
    }
    audio.left[loopStart - 300] = 0.5f; // outside the blend: untouched
    const int64_t loopEnd = loopStart + 2 * loopLength;
    BlendInto(audio, loopEnd, -loopLength, 100);
    BlendInto(audio, loopStart, loopLength, 100);
    EXPECT_FLOAT_EQ(audio.left[loopStart - 300], 0.5f);

    // The loop file is [loopStart + L, loopEnd); its first frame follows
    // frame loopStart + L - 1 of the render.
    const float loopFirst = audio.left[loopStart + loopLength];
    const float before = audio.left[loopStart + loopLength - 1];
    EXPECT_FLOAT_EQ(audio.left[loopStart - 1], before); // intro's last frame
    EXPECT_FLOAT_EQ(audio.left[loopEnd - 1], before);   // loop's last frame
    EXPECT_LT(std::fabs(loopFirst - before), 2e-4f);

    EXPECT_THROW(BlendInto(audio, loopEnd, loopLength, 100), std::out_of_range);
}
