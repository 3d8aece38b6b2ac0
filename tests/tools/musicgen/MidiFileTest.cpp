#include "MidiFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

using namespace musicgen;

namespace {

std::string WriteTemp(const std::string& name, const std::vector<unsigned char>& bytes) {
    const std::string path = ::testing::TempDir() + name;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return path;
}

std::vector<unsigned char> Track(const std::vector<unsigned char>& body) {
    std::vector<unsigned char> chunk = {'M', 'T', 'r', 'k',
                                        0,   0,   0,   static_cast<unsigned char>(body.size())};
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
}

} // namespace

TEST(MidiFileTest, MergesTracksAndFollowsTheTempoMap) {
    std::vector<unsigned char> file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 2, 0x01, 0xE0};
    // Track 1: 120 bpm, after two quarters 60 bpm, then a sequence name meta event.
    const auto tempo =
        Track({0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, 0x87, 0x40, 0xFF, 0x51, 0x03,
               0x0F, 0x42, 0x40, 0x00, 0xFF, 0x03, 0x01, 'x',  0x00, 0xFF, 0x2F, 0x00});
    // Track 2: program change, a note with running status, released with
    // velocity 0 after a two-byte delta (960 ticks), and a sysex that is skipped.
    const auto notes = Track({0x00, 0xC3, 0x1E, 0x00, 0x93, 0x3C, 0x64, 0x87, 0x40, 0x3C,
                              0x00, 0x00, 0xF0, 0x02, 0x7E, 0xF7, 0x00, 0xFF, 0x2F, 0x00});
    file.insert(file.end(), tempo.begin(), tempo.end());
    file.insert(file.end(), notes.begin(), notes.end());

    const MidiSong song = ReadMidiFile(WriteTemp("musicgen_song.mid", file));
    EXPECT_EQ(song.ticksPerQuarter, 480);
    ASSERT_EQ(song.events.size(), 3u);
    EXPECT_EQ(song.events[0].Type(), 0xC0);
    EXPECT_EQ(song.events[0].Channel(), 3);
    EXPECT_TRUE(song.events[1].IsNoteOn());
    EXPECT_TRUE(song.events[2].IsNoteOff());
    EXPECT_EQ(song.events[2].tick, 960);
    EXPECT_EQ(song.LastTick(), 960);
    // Two quarters at 0.5 s, then one at 1 s.
    EXPECT_DOUBLE_EQ(song.SecondsAt(960), 1.0);
    EXPECT_DOUBLE_EQ(song.SecondsAt(1440), 2.0);
}

TEST(MidiFileTest, RefusesFilesThatAreNotMidiOrAreCutShort) {
    EXPECT_THROW(ReadMidiFile(WriteTemp("musicgen_text.mid", {'h', 'e', 'l', 'l', 'o', 0, 0, 0})),
                 std::runtime_error);
    std::vector<unsigned char> cut = {'M',  'T',  'h', 'd', 0,   0,   0, 6, 0, 0,  0,    1,
                                      0x01, 0xE0, 'M', 'T', 'r', 'k', 0, 0, 0, 40, 0x00, 0x90};
    EXPECT_THROW(ReadMidiFile(WriteTemp("musicgen_cut.mid", cut)), std::runtime_error);
    EXPECT_THROW(ReadMidiFile(::testing::TempDir() + "musicgen_missing.mid"), std::runtime_error);
}
