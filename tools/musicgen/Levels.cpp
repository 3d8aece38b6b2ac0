#include "Levels.h"

#include <algorithm>
#include <cmath>

namespace musicgen {

double ToDecibels(double amplitude) {
    return 20.0 * std::log10(std::max(amplitude, 1e-12));
}

double FromDecibels(double decibels) {
    return std::pow(10.0, decibels / 20.0);
}

LevelStats MeasureLevels(const StereoBuffer& audio, const std::vector<FrameRange>& ranges) {
    LevelStats stats;
    double sumSquares = 0.0;
    int64_t count = 0;
    for (const FrameRange& range : ranges) {
        for (int64_t i = range.begin; i < range.end; ++i) {
            const double l = audio.left[i];
            const double r = audio.right[i];
            stats.peak = std::max({stats.peak, std::fabs(l), std::fabs(r)});
            sumSquares += l * l + r * r;
            count += 2;
        }
    }
    stats.rms = count > 0 ? std::sqrt(sumSquares / count) : 0.0;
    return stats;
}

double NormalisingGain(const LevelStats& levels, double targetRmsDb, double peakCeilingDb) {
    if (levels.rms <= 0.0 || levels.peak <= 0.0) {
        return 1.0;
    }
    const double forRms = FromDecibels(targetRmsDb) / levels.rms;
    const double forPeak = FromDecibels(peakCeilingDb) / levels.peak;
    return std::min(forRms, forPeak);
}

void ApplyGain(StereoBuffer& audio, double gain) {
    const float g = static_cast<float>(gain);
    for (float& s : audio.left) {
        s *= g;
    }
    for (float& s : audio.right) {
        s *= g;
    }
}

void FadeOutEnd(StereoBuffer& audio, int64_t frames) {
    const int64_t total = audio.Frames();
    frames = std::min(frames, total);
    const double pi = std::acos(-1.0);
    for (int64_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i + 1) / frames; // reaches exactly 0 at the end
        const float g = static_cast<float>(0.5 * (1.0 + std::cos(pi * t)));
        const int64_t at = total - frames + i;
        audio.left[at] *= g;
        audio.right[at] *= g;
    }
}

} // namespace musicgen
