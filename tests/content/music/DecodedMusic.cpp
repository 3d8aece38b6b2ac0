#include "DecodedMusic.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <memory>

double ToDecibels(double amplitude) {
    return 20.0 * std::log10(std::max(amplitude, 1e-12));
}

double DecodedMusic::Peak() const {
    double peak = 0.0;
    for (size_t i = 0; i < left.size(); ++i) {
        peak = std::max({peak, std::fabs(double(left[i])), std::fabs(double(right[i]))});
    }
    return peak;
}

double DecodedMusic::Rms() const {
    double sum = 0.0;
    for (size_t i = 0; i < left.size(); ++i) {
        sum += double(left[i]) * left[i] + double(right[i]) * right[i];
    }
    return left.empty() ? 0.0 : std::sqrt(sum / (2.0 * left.size()));
}

DecodedMusic DecodeMusic(const std::string& path) {
    DecodedMusic music;
    OggVorbis_File vf;
    if (ov_fopen(path.c_str(), &vf) != 0) {
        music.error = "ov_fopen failed for " + path;
        return music;
    }
    std::unique_ptr<OggVorbis_File, int (*)(OggVorbis_File*)> guard(&vf, ov_clear);
    const vorbis_info* info = ov_info(&vf, -1);
    if (!info) {
        music.error = "ov_info failed for " + path;
        return music;
    }
    music.sampleRate = static_cast<int>(info->rate);
    music.channels = info->channels;
    music.reportedFrames = ov_pcm_total(&vf, -1);
    if (music.channels != 2) {
        music.error = "not stereo: " + path;
        return music;
    }
    std::vector<char> buffer(16384);
    int section = 0;
    for (;;) {
        const long got =
            ov_read(&vf, buffer.data(), static_cast<int>(buffer.size()), 0, 2, 1, &section);
        if (got == 0) {
            break;
        }
        if (got < 0) {
            music.error = "decoding error " + std::to_string(got) + " in " + path;
            return music;
        }
        const auto* samples = reinterpret_cast<const int16_t*>(buffer.data());
        for (long i = 0; i + 1 < got / 2; i += 2) {
            music.left.push_back(samples[i] / 32768.0f);
            music.right.push_back(samples[i + 1] / 32768.0f);
        }
    }
    music.opened = true;
    return music;
}
