#pragma once

#include "tools/sfxgen/EffectDescription.h"
#include "tools/sfxgen/NoiseGenerator.h"

#include <cstdint>

namespace sfxgen {

// One waveform generator driven sample by sample with the current frequency.
// Square and saw edges and triangle corners are smoothed (polynomial
// band-limited steps and ramps) so high notes do not alias into whistles;
// the square is shifted to zero mean so narrow pulses carry no DC offset.
class Oscillator {
public:
    Oscillator(Wave wave, std::uint32_t seed) : wave_(wave), noise_(seed) {
        held_ = noise_.NextBipolar();
    }

    double Next(double frequency, double duty);

private:
    Wave wave_;
    NoiseGenerator noise_;
    double phase_ = 0.0;
    double held_ = 0.0;
};

} // namespace sfxgen
