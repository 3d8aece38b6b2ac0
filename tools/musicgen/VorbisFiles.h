#pragma once

#include "StereoBuffer.h"

#include <cstdint>
#include <string>

namespace musicgen {

// Encodes frames [range.begin, range.end) as a 44100 Hz stereo Ogg Vorbis file
// (VBR at the given quality). Samples are clamped to full scale. Throws
// std::runtime_error naming the file when encoding or writing fails.
void WriteVorbis(const std::string& path, const StereoBuffer& audio, FrameRange range,
                 double quality, int sampleRate, const std::string& title);

struct DecodedSummary {
    int64_t frames = 0; // total frames as the decoder reports them
    int sampleRate = 0;
    int channels = 0;
    double peak = 0.0; // of the decoded float samples
};

// Decodes a whole file with libvorbisfile to check what players will get.
DecodedSummary SummariseVorbis(const std::string& path);

} // namespace musicgen
