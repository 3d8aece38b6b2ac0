#pragma once

#include <cstdint>
#include <vector>

namespace sfxgen {

constexpr int kSampleRate = 44100;

enum class Wave { Square, Saw, Triangle, Sine, Noise };

// Attack-decay-sustain-release envelope, times in seconds. The sound stays at
// the sustain level for `hold` seconds before the release starts.
struct EnvelopeDescription {
    double attack = 0.002;
    double decay = 0.05;
    double sustain = 0.5;
    double hold = 0.05;
    double release = 0.05;

    double Length() const { return attack + decay + hold + release; }
};

// One voice of an effect: an oscillator shaped by an envelope, modulations and
// filters, placed at `offset` seconds with a gain. Note lists and repeats in
// the parameter file expand into several of these.
struct PartDescription {
    Wave wave = Wave::Square;
    double frequency = 440.0;  // Hz; for noise, how often a new random value is drawn
    double slide = 0.0;        // pitch change in semitones over slideTime
    double slideTime = 0.0;    // seconds; 0 means the whole envelope
    double slideShape = 1.0;   // 1 = even glide, larger = fast at first then levelling out
    double duty = 0.5;         // square pulse width, 0..1
    double dutyEnd = -1.0;     // duty at the end of the envelope; negative = unchanged
    double vibratoRate = 0.0;  // Hz
    double vibratoDepth = 0.0; // semitones
    double vibratoDelay = 0.0; // seconds before vibrato starts
    double tremoloRate = 0.0;  // Hz
    double tremoloDepth = 0.0; // 0..1 of the amplitude
    EnvelopeDescription envelope;
    double lowpass = 0.0; // Hz, 0 = off
    double lowpassEnd = -1.0;
    double highpass = 0.0; // Hz, 0 = off
    double highpassEnd = -1.0;
    double resonance = 0.707; // filter Q
    double drive = 0.0;       // soft saturation amount, 0 = clean
    int bits = 0;             // bit-crush depth, 0 = off
    double crushRate = 0.0;   // sample-and-hold rate in Hz, 0 = off
    double gainDb = 0.0;
    double offset = 0.0; // seconds from the start of the effect
};

// Whole-effect settings applied after the parts are mixed.
struct EffectDescription {
    std::uint32_t seed = 1;
    double peakDb = -3.0;   // the mix is normalised to this peak
    double reverbMix = 0.0; // 0 = dry
    double roomSize = 0.4;  // 0..1
    double damping = 0.5;   // 0..1, high-frequency loss in the room
    double tail = -1.0;     // seconds rendered after the last part; negative = automatic
    double maxLength = 0.0; // seconds, 0 = no limit
    double fadeIn = 0.001;  // seconds
    double fadeOut = 0.01;  // seconds
    double lowpass = 0.0;   // master filters, 0 = off
    double highpass = 0.0;
    std::vector<PartDescription> parts;
};

} // namespace sfxgen
