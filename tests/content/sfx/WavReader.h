#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Minimal RIFF/WAVE reader for the checks: walks the chunks, takes the
// "fmt " and "data" chunks, and keeps 16-bit samples interleaved.
struct WavFile {
    int formatTag = 0;
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::uint32_t fmtSize = 0;
    std::vector<std::int16_t> samples;

    std::size_t Frames() const { return channels > 0 ? samples.size() / channels : 0; }
    double Seconds() const { return sampleRate > 0 ? double(Frames()) / sampleRate : 0.0; }
};

// Returns false and sets `error` when the file is missing or malformed.
bool ReadWav(const std::string& path, WavFile& wav, std::string& error);
