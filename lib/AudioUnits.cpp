#include "lib/AudioUnits.h"

#include <algorithm>
#include <cmath>

namespace vrels::audio {

int VolumeForLevel(float level) {
    if (level <= 0.002f) {
        return kSilence;
    }
    // Computed in float, as the game always did, then truncated toward zero.
    return static_cast<int>(std::log10(level) * 3322.0f);
}

int PanForX(float x) {
    const int pan = static_cast<int>((x - 320.0f) / 320.0f * 2500.0f);
    if (pan < -9999) {
        return -10000;
    }
    if (pan > 9999) {
        return 10000;
    }
    return pan;
}

namespace {
double GainForHundredthsDb(int hundredthsDb) {
    return std::pow(10.0, std::min(hundredthsDb, 0) / 2000.0);
}
} // namespace

int MixerVolume(int hundredthsDb) {
    if (hundredthsDb <= kSilence) {
        return 0;
    }
    const long scaled = std::lround(kMixerMaxVolume * GainForHundredthsDb(hundredthsDb));
    return static_cast<int>(std::clamp<long>(scaled, 0, kMixerMaxVolume));
}

PanGains MixerPan(int pan) {
    pan = std::clamp(pan, -10000, 10000);
    const int far =
        pan <= -10000 || pan >= 10000
            ? 0
            : static_cast<int>(std::lround(kMixerMaxPanGain * GainForHundredthsDb(-std::abs(pan))));
    PanGains gains;
    if (pan < 0) {
        gains.right = far;
    } else if (pan > 0) {
        gains.left = far;
    }
    return gains;
}

} // namespace vrels::audio
