#pragma once

#include "StereoBuffer.h"

#include <vector>

namespace musicgen {

struct LevelStats {
    double peak = 0.0; // largest absolute sample
    double rms = 0.0;  // over both channels
};

double ToDecibels(double amplitude);
double FromDecibels(double decibels);

LevelStats MeasureLevels(const StereoBuffer& audio, const std::vector<FrameRange>& ranges);

// The single gain that brings the measured RMS to the target, lowered when the
// peak would otherwise pass the ceiling.
double NormalisingGain(const LevelStats& levels, double targetRmsDb, double peakCeilingDb);

void ApplyGain(StereoBuffer& audio, double gain);

// Fades the last `frames` frames of the buffer to silence (raised cosine).
void FadeOutEnd(StereoBuffer& audio, int64_t frames);

} // namespace musicgen
