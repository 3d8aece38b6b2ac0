#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A music file decoded the way the game decodes it: 16-bit PCM through
// libvorbisfile, converted to floats at full scale 1.0.
struct DecodedMusic {
    bool opened = false;
    std::string error;
    int sampleRate = 0;
    int channels = 0;
    int64_t reportedFrames = 0; // ov_pcm_total
    std::vector<float> left;
    std::vector<float> right;

    int64_t Frames() const { return static_cast<int64_t>(left.size()); }
    double Peak() const;
    double Rms() const;
};

DecodedMusic DecodeMusic(const std::string& path);

double ToDecibels(double amplitude);
