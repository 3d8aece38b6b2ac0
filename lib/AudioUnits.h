#pragma once
// Volume and pan are kept in the units the game's numbers were tuned in:
// hundredths of a decibel of attenuation (0 = full level, -10000 = silence) and
// a pan of -10000..10000 (hundredths of a decibel taken off the far side:
// negative pans attenuate the right channel, positive ones the left).
//
// The mixer works in other units, so every value is converted at the last
// moment:
// - volume: gain = 10^(hundredths / 2000), the mixer's channel volume is
//   round(128 x gain); -10000 gives 0.00128 x 128, which rounds to 0 (silent).
// - pan: the near side keeps 255, the far side gets round(255 x 10^(-|pan| / 2000)),
//   so -2500 (the screen's left edge) leaves the right side at 14/255 (-25 dB)
//   and -10000 turns it off completely.

namespace vrels::audio {

constexpr int kSilence = -10000; // hundredths of a decibel
constexpr int kMixerMaxVolume = 128;
constexpr int kMixerMaxPanGain = 255;

// Volume of an effect for a linear level (master volume x factor):
// log10(level) x 3322 truncated, or silence at 0.002 and below.
int VolumeForLevel(float level);

// Pan for a horizontal screen position: (x - 320) / 320 x 2500 truncated, and
// anything beyond +-9999 goes fully to one side.
int PanForX(float x);

// Mixer channel volume (0..128) for a volume in hundredths of a decibel.
int MixerVolume(int hundredthsDb);

struct PanGains {
    int left = kMixerMaxPanGain;
    int right = kMixerMaxPanGain;
};
// Left and right gains (0..255 each) for a pan of -10000..10000.
PanGains MixerPan(int pan);

} // namespace vrels::audio
