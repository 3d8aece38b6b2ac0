#include "tools/sfxgen/Oscillator.h"

#include <algorithm>
#include <cmath>

namespace sfxgen {
namespace {

constexpr double kPi = 3.14159265358979323846;

// Correction around a unit step at phase 0 for a phase advancing by dt a sample.
double PolyBlep(double phase, double dt) {
    if (phase < dt) {
        const double x = phase / dt;
        return x + x - x * x - 1.0;
    }
    if (phase > 1.0 - dt) {
        const double x = (phase - 1.0) / dt;
        return x * x + x + x + 1.0;
    }
    return 0.0;
}

// Correction around a corner of a triangle (a step in its slope) for a phase
// advancing by dt a sample: the integral of the step correction above.
double PolyBlamp(double phase, double dt) {
    double distance = 2.0; // in samples from the corner
    if (phase < dt) {
        distance = phase / dt;
    } else if (phase > 1.0 - dt) {
        distance = (1.0 - phase) / dt;
    }
    if (distance >= 1.0) {
        return 0.0;
    }
    const double remaining = 1.0 - distance;
    return remaining * remaining * remaining / 6.0;
}

} // namespace

double Oscillator::Next(double frequency, double duty) {
    const double dt = std::min(frequency / kSampleRate, 1.0);
    double value = 0.0;
    switch (wave_) {
    case Wave::Square: {
        value = phase_ < duty ? 1.0 : -1.0;
        value += PolyBlep(phase_, dt);
        double fallPhase = phase_ - duty;
        if (fallPhase < 0.0) {
            fallPhase += 1.0;
        }
        value -= PolyBlep(fallPhase, dt);
        value -= 2.0 * duty - 1.0; // remove the pulse's mean
        break;
    }
    case Wave::Saw:
        value = 2.0 * phase_ - 1.0 - PolyBlep(phase_, dt);
        break;
    case Wave::Triangle: {
        value = phase_ < 0.5 ? 4.0 * phase_ - 1.0 : 3.0 - 4.0 * phase_;
        // The slope turns by 8 dt a sample: upwards at phase 0, downwards at 0.5.
        double peakPhase = phase_ + 0.5;
        if (peakPhase >= 1.0) {
            peakPhase -= 1.0;
        }
        value += 8.0 * dt * (PolyBlamp(phase_, dt) - PolyBlamp(peakPhase, dt));
        break;
    }
    case Wave::Sine:
        value = std::sin(2.0 * kPi * phase_);
        break;
    case Wave::Noise:
        value = held_;
        break;
    }
    phase_ += dt;
    if (phase_ >= 1.0) {
        phase_ -= std::floor(phase_);
        held_ = noise_.NextBipolar();
    }
    return value;
}

} // namespace sfxgen
