#include "tools/sfxgen/Biquad.h"

#include "tools/sfxgen/EffectDescription.h"

#include <algorithm>
#include <cmath>

namespace sfxgen {

void Biquad::SetCutoff(double frequency, double q) {
    if (frequency == lastFrequency_ && q == lastQ_) {
        return;
    }
    lastFrequency_ = frequency;
    lastQ_ = q;
    const double limited = std::clamp(frequency, 10.0, kSampleRate * 0.45);
    const double w0 = 2.0 * 3.14159265358979323846 * limited / kSampleRate;
    const double cosW = std::cos(w0);
    const double alpha = std::sin(w0) / (2.0 * q);
    const double a0 = 1.0 + alpha;
    if (kind_ == Kind::LowPass) {
        b0_ = (1.0 - cosW) / 2.0 / a0;
        b1_ = (1.0 - cosW) / a0;
        b2_ = b0_;
    } else {
        b0_ = (1.0 + cosW) / 2.0 / a0;
        b1_ = -(1.0 + cosW) / a0;
        b2_ = b0_;
    }
    a1_ = -2.0 * cosW / a0;
    a2_ = (1.0 - alpha) / a0;
}

double Biquad::Process(double input) {
    const double output = b0_ * input + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = input;
    y2_ = y1_;
    y1_ = output;
    return output;
}

} // namespace sfxgen
