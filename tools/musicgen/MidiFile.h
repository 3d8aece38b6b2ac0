#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace musicgen {

// One channel message from a Standard MIDI File, at its absolute tick.
struct MidiEvent {
    int64_t tick = 0;
    uint8_t status = 0; // message type in the high nibble, channel in the low nibble
    uint8_t data1 = 0;
    uint8_t data2 = 0;
    int order = 0; // position in the file, keeps simultaneous events stable

    int Type() const { return status & 0xF0; }
    int Channel() const { return status & 0x0F; }
    bool IsNoteOff() const { return Type() == 0x80 || (Type() == 0x90 && data2 == 0); }
    bool IsNoteOn() const { return Type() == 0x90 && data2 != 0; }
};

struct TempoChange {
    int64_t tick = 0;
    int microsPerQuarter = 500000;
};

// The parts of a MIDI file the renderer needs: channel events of all tracks
// merged in time order, the tempo map and the tick resolution.
struct MidiSong {
    int ticksPerQuarter = 480;
    std::vector<MidiEvent> events;
    std::vector<TempoChange> tempos;

    // Seconds from the start of the song to the given tick, following the tempo map.
    double SecondsAt(int64_t tick) const;
    int64_t LastTick() const;
};

// Reads a format 0 or 1 file with metrical timing; throws std::runtime_error
// naming the file and the problem when it cannot.
MidiSong ReadMidiFile(const std::string& path);

} // namespace musicgen
