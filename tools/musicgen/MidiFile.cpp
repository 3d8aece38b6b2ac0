#include "MidiFile.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace musicgen {

namespace {

class ByteReader {
public:
    ByteReader(const std::vector<uint8_t>& bytes, size_t begin, size_t end, std::string path)
        : bytes_(bytes), pos_(begin), end_(end), path_(std::move(path)) {}

    bool AtEnd() const { return pos_ >= end_; }
    size_t Position() const { return pos_; }

    uint8_t Byte() {
        if (pos_ >= end_) {
            Fail("unexpected end of data");
        }
        return bytes_[pos_++];
    }
    uint8_t Peek() {
        if (pos_ >= end_) {
            Fail("unexpected end of data");
        }
        return bytes_[pos_];
    }
    uint32_t BigEndian(int count) {
        uint32_t value = 0;
        for (int i = 0; i < count; ++i) {
            value = (value << 8) | Byte();
        }
        return value;
    }
    uint32_t VariableLength() {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            uint8_t b = Byte();
            value = (value << 7) | (b & 0x7F);
            if (!(b & 0x80)) {
                return value;
            }
        }
        Fail("variable-length number longer than four bytes");
        return 0;
    }
    void Skip(size_t count) {
        if (count > end_ - pos_) {
            Fail("chunk runs past its end");
        }
        pos_ += count;
    }
    [[noreturn]] void Fail(const std::string& what) const {
        throw std::runtime_error(path_ + ": " + what + " at byte " + std::to_string(pos_));
    }

private:
    const std::vector<uint8_t>& bytes_;
    size_t pos_;
    size_t end_;
    std::string path_;
};

int DataBytesFor(uint8_t status) {
    switch (status & 0xF0) {
    case 0xC0:
    case 0xD0:
        return 1;
    default:
        return 2;
    }
}

void ReadTrack(ByteReader& in, MidiSong& song, int& order) {
    int64_t tick = 0;
    uint8_t running = 0;
    while (!in.AtEnd()) {
        tick += in.VariableLength();
        uint8_t status = in.Peek();
        if (status & 0x80) {
            in.Byte();
        } else if (running) {
            status = running; // running status: the data byte is still unread
        } else {
            in.Fail("data byte without a status");
        }
        if (status == 0xFF) {
            uint8_t type = in.Byte();
            uint32_t length = in.VariableLength();
            if (type == 0x51 && length == 3) {
                song.tempos.push_back({tick, static_cast<int>(in.BigEndian(3))});
            } else {
                in.Skip(length);
            }
            if (type == 0x2F) {
                return;
            }
            continue;
        }
        if (status == 0xF0 || status == 0xF7) {
            in.Skip(in.VariableLength());
            continue;
        }
        running = status;
        MidiEvent event;
        event.tick = tick;
        event.status = status;
        event.data1 = in.Byte() & 0x7F;
        if (DataBytesFor(status) == 2) {
            event.data2 = in.Byte() & 0x7F;
        }
        event.order = order++;
        song.events.push_back(event);
    }
}

} // namespace

double MidiSong::SecondsAt(int64_t tick) const {
    double seconds = 0.0;
    int64_t fromTick = 0;
    int micros = 500000;
    for (const TempoChange& change : tempos) {
        if (change.tick >= tick) {
            break;
        }
        seconds += static_cast<double>(change.tick - fromTick) * micros / 1e6 / ticksPerQuarter;
        fromTick = change.tick;
        micros = change.microsPerQuarter;
    }
    return seconds + static_cast<double>(tick - fromTick) * micros / 1e6 / ticksPerQuarter;
}

int64_t MidiSong::LastTick() const {
    int64_t last = 0;
    for (const MidiEvent& event : events) {
        last = std::max(last, event.tick);
    }
    return last;
}

MidiSong ReadMidiFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw std::runtime_error("cannot open MIDI file " + path);
    }
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                               std::istreambuf_iterator<char>());
    ByteReader header(bytes, 0, bytes.size(), path);
    if (header.BigEndian(4) != 0x4D546864 /* MThd */) {
        header.Fail("not a Standard MIDI File");
    }
    uint32_t headerLength = header.BigEndian(4);
    header.BigEndian(2); // format: tracks are merged by time either way
    int trackCount = static_cast<int>(header.BigEndian(2));
    int division = static_cast<int>(header.BigEndian(2));
    if (division & 0x8000) {
        header.Fail("SMPTE time division is not supported");
    }
    header.Skip(headerLength - 6);

    MidiSong song;
    song.ticksPerQuarter = division;
    int order = 0;
    size_t pos = header.Position();
    for (int t = 0; t < trackCount; ++t) {
        ByteReader chunk(bytes, pos, bytes.size(), path);
        uint32_t id = chunk.BigEndian(4);
        uint32_t length = chunk.BigEndian(4);
        size_t begin = chunk.Position();
        if (length > bytes.size() - begin) {
            chunk.Fail("track chunk runs past the end of the file");
        }
        if (id == 0x4D54726B /* MTrk */) {
            ByteReader track(bytes, begin, begin + length, path);
            ReadTrack(track, song, order);
        }
        pos = begin + length;
    }
    std::stable_sort(song.events.begin(), song.events.end(),
                     [](const MidiEvent& a, const MidiEvent& b) { return a.tick < b.tick; });
    std::stable_sort(song.tempos.begin(), song.tempos.end(),
                     [](const TempoChange& a, const TempoChange& b) { return a.tick < b.tick; });
    return song;
}

} // namespace musicgen
