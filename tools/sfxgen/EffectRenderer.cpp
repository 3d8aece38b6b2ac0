#include "tools/sfxgen/EffectRenderer.h"

#include "tools/sfxgen/Biquad.h"
#include "tools/sfxgen/PartRenderer.h"
#include "tools/sfxgen/RoomReverb.h"

#include <algorithm>
#include <cmath>

namespace sfxgen {
namespace {

constexpr double kPi = 3.14159265358979323846;
// The tail is cut where it stays this far below the peak.
constexpr double kSilenceRelative = 0.001; // -60 dB

std::uint32_t PartSeed(std::uint32_t effectSeed, std::size_t index) {
    return effectSeed * 2654435761u + static_cast<std::uint32_t>(index) * 40503u + 1u;
}

std::size_t Samples(double seconds) {
    return static_cast<std::size_t>(std::max(0.0, seconds) * kSampleRate + 0.5);
}

std::vector<double> MixParts(const EffectDescription& effect) {
    std::size_t end = 0;
    for (const PartDescription& part : effect.parts) {
        end = std::max(end, Samples(part.offset) + PartSampleCount(part));
    }
    const double tail = effect.tail >= 0.0
                            ? effect.tail
                            : (effect.reverbMix > 0.0 ? 0.2 + 0.8 * effect.roomSize : 0.0);
    std::vector<double> mix(end + Samples(tail), 0.0);
    for (std::size_t i = 0; i < effect.parts.size(); ++i) {
        const PartDescription& part = effect.parts[i];
        const std::vector<double> voice = RenderPart(part, PartSeed(effect.seed, i));
        const std::size_t start = Samples(part.offset);
        for (std::size_t s = 0; s < voice.size(); ++s) {
            mix[start + s] += voice[s];
        }
    }
    return mix;
}

void ApplyMasterFilters(const EffectDescription& effect, std::vector<double>& samples) {
    if (effect.lowpass > 0.0) {
        Biquad filter(Biquad::Kind::LowPass);
        filter.SetCutoff(effect.lowpass, 0.707);
        for (double& s : samples) {
            s = filter.Process(s);
        }
    }
    if (effect.highpass > 0.0) {
        Biquad filter(Biquad::Kind::HighPass);
        filter.SetCutoff(effect.highpass, 0.707);
        for (double& s : samples) {
            s = filter.Process(s);
        }
    }
}

void AddRoom(const EffectDescription& effect, std::vector<double>& samples) {
    if (effect.reverbMix <= 0.0) {
        return;
    }
    RoomReverb room(effect.roomSize, effect.damping);
    for (double& s : samples) {
        s += effect.reverbMix * room.Process(s);
    }
}

// One-pole DC blocker at about 10 Hz: inaudible, but keeps the speaker
// centred after asymmetric noise bursts and bit-crushing.
void BlockDc(std::vector<double>& samples) {
    const double pole = 1.0 - 2.0 * kPi * 10.0 / kSampleRate;
    double previousIn = 0.0, previousOut = 0.0;
    for (double& s : samples) {
        const double out = s - previousIn + pole * previousOut;
        previousIn = s;
        previousOut = out;
        s = out;
    }
}

double Peak(const std::vector<double>& samples) {
    double peak = 0.0;
    for (double s : samples) {
        peak = std::max(peak, std::fabs(s));
    }
    return peak;
}

void TrimSilentTail(const EffectDescription& effect, std::vector<double>& samples) {
    const double threshold = Peak(samples) * kSilenceRelative;
    std::size_t last = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (std::fabs(samples[i]) > threshold) {
            last = i;
        }
    }
    samples.resize(std::min(samples.size(), last + 1 + Samples(0.005)));
    if (effect.maxLength > 0.0) {
        samples.resize(std::min(samples.size(), Samples(effect.maxLength)));
    }
}

// Raised-cosine ramps: the first and last samples are exactly zero.
void FadeEnds(const EffectDescription& effect, std::vector<double>& samples) {
    const std::size_t n = samples.size();
    if (n < 2) {
        samples.assign(n, 0.0);
        return;
    }
    const std::size_t fadeIn = std::min(std::max<std::size_t>(Samples(effect.fadeIn), 1), n);
    for (std::size_t i = 0; i < fadeIn; ++i) {
        samples[i] *= 0.5 - 0.5 * std::cos(kPi * i / fadeIn);
    }
    const std::size_t fadeOut = std::min(std::max<std::size_t>(Samples(effect.fadeOut), 1), n);
    for (std::size_t i = 0; i < fadeOut; ++i) {
        samples[n - 1 - i] *= 0.5 - 0.5 * std::cos(kPi * i / fadeOut);
    }
}

// Very short sounds end before the DC blocker settles. Whatever mean is left
// is taken out with a smooth bump spanning the whole sound, which keeps both
// ends at zero and is far below hearing.
void RemoveResidualMean(std::vector<double>& samples) {
    const std::size_t n = samples.size();
    if (n < 3) {
        return;
    }
    double sum = 0.0, windowSum = 0.0;
    std::vector<double> window(n);
    for (std::size_t i = 0; i < n; ++i) {
        const double s = std::sin(kPi * i / (n - 1));
        window[i] = s * s;
        windowSum += window[i];
        sum += samples[i];
    }
    const double scale = sum / windowSum;
    for (std::size_t i = 0; i < n; ++i) {
        samples[i] -= scale * window[i];
    }
}

} // namespace

std::vector<double> RenderEffect(const EffectDescription& effect) {
    std::vector<double> samples = MixParts(effect);
    ApplyMasterFilters(effect, samples);
    AddRoom(effect, samples);
    BlockDc(samples);
    TrimSilentTail(effect, samples);
    FadeEnds(effect, samples);
    RemoveResidualMean(samples);
    const double peak = Peak(samples);
    if (peak > 0.0) {
        const double gain = std::pow(10.0, effect.peakDb / 20.0) / peak;
        for (double& s : samples) {
            s *= gain;
        }
    }
    return samples;
}

} // namespace sfxgen
