#include "tools/sfxgen/Envelope.h"

namespace sfxgen {
namespace {

// Squared ramps sound more natural than straight lines for decays: the level
// falls quickly at first, as a struck or plucked sound does.
double FallingCurve(double progress) {
    const double remaining = 1.0 - progress;
    return remaining * remaining;
}

} // namespace

double EnvelopeLevel(const EnvelopeDescription& env, double t) {
    if (t < 0.0) {
        return 0.0;
    }
    if (t < env.attack) {
        return t / env.attack;
    }
    t -= env.attack;
    if (t < env.decay) {
        return env.sustain + (1.0 - env.sustain) * FallingCurve(t / env.decay);
    }
    t -= env.decay;
    if (t < env.hold) {
        return env.sustain;
    }
    t -= env.hold;
    if (t < env.release) {
        return env.sustain * FallingCurve(t / env.release);
    }
    return 0.0;
}

} // namespace sfxgen
