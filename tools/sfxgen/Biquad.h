#pragma once

namespace sfxgen {

// Second-order low-pass or high-pass filter (the usual audio-cookbook
// design). The cutoff may change every sample for sweeps.
class Biquad {
public:
    enum class Kind { LowPass, HighPass };

    explicit Biquad(Kind kind) : kind_(kind) {}

    void SetCutoff(double frequency, double q);
    double Process(double input);

private:
    Kind kind_;
    double b0_ = 1.0, b1_ = 0.0, b2_ = 0.0, a1_ = 0.0, a2_ = 0.0;
    double x1_ = 0.0, x2_ = 0.0, y1_ = 0.0, y2_ = 0.0;
    double lastFrequency_ = -1.0, lastQ_ = -1.0;
};

} // namespace sfxgen
