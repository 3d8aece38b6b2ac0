#include "tools/sfxgen/PartRenderer.h"

#include "tools/sfxgen/Biquad.h"
#include "tools/sfxgen/Envelope.h"
#include "tools/sfxgen/Oscillator.h"

#include <algorithm>
#include <cmath>

namespace sfxgen {
namespace {

constexpr double kTwoPi = 2.0 * 3.14159265358979323846;

// Filter sweeps move evenly in pitch, so they glide between the two cutoffs
// exponentially.
double SweepFrequency(double start, double end, double progress) {
    if (end <= 0.0 || start <= 0.0) {
        return start;
    }
    return start * std::pow(end / start, progress);
}

// Reduces resolution in time (sample-and-hold) and in level (fewer bits).
class BitCrusher {
public:
    BitCrusher(int bits, double rate) : levels_(bits > 0 ? std::pow(2.0, bits - 1) : 0.0) {
        step_ = rate > 0.0 ? rate / kSampleRate : 1.0;
    }

    double Process(double input) {
        counter_ += step_;
        if (counter_ >= 1.0) {
            counter_ -= std::floor(counter_);
            held_ = input;
            if (levels_ > 0.0) {
                held_ = std::round(held_ * levels_) / levels_;
            }
        }
        return held_;
    }

private:
    double levels_;
    double step_;
    double counter_ = 1.0; // take the very first sample
    double held_ = 0.0;
};

} // namespace

std::size_t PartSampleCount(const PartDescription& part) {
    return static_cast<std::size_t>(std::ceil(part.envelope.Length() * kSampleRate)) + 1;
}

std::vector<double> RenderPart(const PartDescription& part, std::uint32_t seed) {
    const std::size_t count = PartSampleCount(part);
    std::vector<double> out(count, 0.0);
    const double length = part.envelope.Length();
    const double slideTime = part.slideTime > 0.0 ? part.slideTime : length;
    const double gain = std::pow(10.0, part.gainDb / 20.0);
    const double driveNorm = part.drive > 0.0 ? 1.0 / std::tanh(part.drive) : 1.0;

    Oscillator oscillator(part.wave, seed);
    BitCrusher crusher(part.bits, part.crushRate);
    Biquad lowpass(Biquad::Kind::LowPass);
    Biquad highpass(Biquad::Kind::HighPass);

    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double progress = length > 0.0 ? std::min(t / length, 1.0) : 1.0;
        const double slideProgress = std::min(t / slideTime, 1.0);
        double semitones = part.slide * (1.0 - std::pow(1.0 - slideProgress, part.slideShape));
        if (part.vibratoDepth > 0.0 && t >= part.vibratoDelay) {
            semitones +=
                part.vibratoDepth * std::sin(kTwoPi * part.vibratoRate * (t - part.vibratoDelay));
        }
        const double frequency = part.frequency * std::pow(2.0, semitones / 12.0);
        const double duty =
            part.dutyEnd >= 0.0 ? part.duty + (part.dutyEnd - part.duty) * progress : part.duty;

        double value = oscillator.Next(frequency, duty) * EnvelopeLevel(part.envelope, t);
        if (part.tremoloDepth > 0.0) {
            const double wobble = 0.5 - 0.5 * std::cos(kTwoPi * part.tremoloRate * t);
            value *= 1.0 - part.tremoloDepth * wobble;
        }
        if (part.drive > 0.0) {
            value = std::tanh(part.drive * value) * driveNorm;
        }
        if (part.bits > 0 || part.crushRate > 0.0) {
            value = crusher.Process(value);
        }
        if (part.lowpass > 0.0) {
            lowpass.SetCutoff(SweepFrequency(part.lowpass, part.lowpassEnd, progress),
                              part.resonance);
            value = lowpass.Process(value);
        }
        if (part.highpass > 0.0) {
            highpass.SetCutoff(SweepFrequency(part.highpass, part.highpassEnd, progress), 0.707);
            value = highpass.Process(value);
        }
        out[i] = value * gain;
    }
    return out;
}

} // namespace sfxgen
